// Every page of the parameter dialog set on the virtual card, then read back, over each link.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include "CardFixture.h"

namespace {

const QStringList kChanged{QStringLiteral("修改成功")};
const QStringList kRead{QStringLiteral("获取成功")};

using EveryPage = CardParams;

TEST_P(EveryPage, SetThenReadBack) {
  const Transport t = GetParam();

  // RS232, and RS485 where the library has it: a read fills all four lists so a change can go.
  // Over the serial link its own rate stays, or the card would stop hearing the link.
  for (SerialGroup* group : {dialog->serialPage->GroupBox1, dialog->serialPage->GroupBox2}) {
    const bool rs485 = group == dialog->serialPage->GroupBox2;
    if (rs485 && t == Transport::Serial) continue;
    const QString baud = rs485                    ? QStringLiteral("4800")
                         : t == Transport::Serial ? QStringLiteral("115200")
                                                  : QStringLiteral("57600");
    group->ReadButton->click();
    EXPECT_EQ(said(), kRead);
    group->ComboBox1->setCurrentText(baud);
    group->ChangeButton->click();
    EXPECT_EQ(said(), kChanged);
    group->showChoice({});
    group->ReadButton->click();
    EXPECT_EQ(said(), kRead);
    EXPECT_EQ(group->ComboBox1->currentText(), baud);
    EXPECT_NE(group->ComboBox2->currentIndex(), -1);
    EXPECT_EQ(group->ComboBox3->currentText(), QStringLiteral("8位"));
  }

  NetworkPage* net = dialog->netPage;
  net->Edit1->setText(QStringLiteral(" 10.1.2.3"));
  net->Edit2->setText(QStringLiteral("255.255.0.0"));
  net->Edit3->setText(QStringLiteral("10.1. 0.1"));
  net->Edit4->setText(QStringLiteral("9000"));
  net->ChangeButton->click();
  EXPECT_EQ(said(), kChanged);
  for (QLineEdit* e : {net->Edit1, net->Edit2, net->Edit3, net->Edit4}) e->clear();
  net->ReadButton->click();
  EXPECT_EQ(said(), kRead);
  EXPECT_EQ(net->Edit1->text(), QStringLiteral("10.1.2.3"));
  EXPECT_EQ(net->Edit2->text(), QStringLiteral("255.255.0.0"));
  EXPECT_EQ(net->Edit3->text(), QStringLiteral("10.1. 0.1"));
  EXPECT_EQ(net->Edit4->text(), QStringLiteral("9000"));

  // "04-P16-08" is where a change and a read number the modes differently.
  ScanPage* scan = dialog->scanPage;
  scan->ComboBox1->setCurrentText(QStringLiteral("04-P16-08"));
  scan->CheckBox1->setChecked(true);
  scan->CheckBox2->setChecked(true);
  scan->ComboBox2->setCurrentText(QStringLiteral("高有效"));
  scan->ChangeButton->click();
  EXPECT_EQ(said(), kChanged);
  scan->ComboBox1->setCurrentIndex(-1);
  scan->CheckBox1->setChecked(false);
  scan->CheckBox2->setChecked(false);
  scan->ComboBox2->setCurrentIndex(-1);
  scan->ReadButton->click();
  EXPECT_EQ(said(), kRead);
  EXPECT_EQ(scan->ComboBox1->currentText(), QStringLiteral("04-P16-08"));
  EXPECT_TRUE(scan->CheckBox1->isChecked());
  EXPECT_TRUE(scan->CheckBox2->isChecked());
  EXPECT_EQ(scan->ComboBox2->currentText(), QStringLiteral("高有效"));

  BrightnessPage* brightness = dialog->brightnessPage;
  brightness->TrackBar1->setValue(20);
  brightness->ChangeButton->click();
  EXPECT_EQ(said(), kChanged);
  brightness->TrackBar1->setValue(1);
  brightness->ReadButton->click();
  EXPECT_EQ(said(), kRead);
  EXPECT_EQ(brightness->TrackBar1->value(), 20);

  OnOffTimePage* onOff = dialog->onOffPage;
  const int times[] = {7, 5, 23, 45};
  QComboBox* const lists[] = {onOff->ComboBox1, onOff->ComboBox2, onOff->ComboBox3,
                              onOff->ComboBox4};
  for (int i = 0; i < 4; ++i) lists[i]->setCurrentIndex(times[i]);
  onOff->ChangeButton->click();
  EXPECT_EQ(said(), kChanged);
  for (QComboBox* list : lists) list->setCurrentIndex(-1);
  onOff->ReadButton->click();
  EXPECT_EQ(said(), kRead);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lists[i]->currentIndex(), times[i]) << i;

  DayNightPage* dayNight = dialog->dayNightPage;
  dayNight->TrackBar1->setValue(12);
  dayNight->TrackBar2->setValue(3);
  dayNight->ChangeButton->click();
  EXPECT_EQ(said(), kChanged);
  dayNight->TrackBar1->setValue(1);
  dayNight->TrackBar2->setValue(1);
  dayNight->ReadButton->click();
  EXPECT_EQ(said(), kRead);
  EXPECT_EQ(dayNight->TrackBar1->value(), 12);
  EXPECT_EQ(dayNight->TrackBar2->value(), 3);

  ClockPage* clock = dialog->clockPage;
  clock->now = [] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)); };
  clock->SetButton->click();
  EXPECT_EQ(said(), QStringList{QStringLiteral("校时成功")});
  clock->ReadButton->click();
  EXPECT_EQ(said(), kRead);
  EXPECT_TRUE(clock->Edit1->text().startsWith(QStringLiteral("2030-01-02 03:0")))
      << clock->Edit1->text().toStdString();

  dialog->versionPage->ReadButton->click();
  EXPECT_TRUE(said().isEmpty());
  EXPECT_FALSE(dialog->versionPage->Edit1->text().isEmpty());

  // The size last: it closes the dialog.
  dialog->sizePage->Edit1->setText(QStringLiteral("80"));
  dialog->sizePage->Edit2->setText(QStringLiteral("40"));
  dialog->sizePage->SetButton->click();
  EXPECT_TRUE(said().isEmpty());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(ws->ScreenWidth, 80);
  int width = 0, height = 0;
  ASSERT_EQ(libraries().GetWidthHeight(t, &width, &height), 0);
  EXPECT_EQ(width, 80);
  EXPECT_EQ(height, 40);
  EXPECT_TRUE(ws->isConnected());
}

INSTANTIATE_TEST_SUITE_P(Card, EveryPage, ::testing::Values(Transport::Net, Transport::Serial),
                         transportName);

}  // namespace

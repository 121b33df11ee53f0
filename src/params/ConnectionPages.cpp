#include "ConnectionPages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <cstring>

#include "GbkIni.h"
#include "LinkWait.h"
#include "ParamLayout.h"
#include "Workspace.h"

using namespace params;

namespace {

QComboBox* listOf(const QStringList& entries, bool enabled, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->addItems(entries);
  list->setCurrentIndex(-1);
  list->setEnabled(enabled);
  return list;
}

// A NUL-terminated text of a fixed field, never read past the field.
template <size_t N>
QString fieldText(const char (&field)[N]) {
  return GbkIni::fromGbk(QByteArray(field, qsizetype(strnlen(field, N))));
}

}  // namespace

// ---- "LED宽高" ----

ScreenSizePage::ScreenSizePage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  // Digits and backspace only; every other key is dropped.
  auto* digits =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  Edit1 = new QLineEdit(this);
  Edit2 = new QLineEdit(this);
  Edit1->setValidator(digits);
  Edit2->setValidator(digits);
  auto* form = new QFormLayout;
  form->addRow(tr("屏宽"), Edit1);
  form->addRow(tr("屏高"), Edit2);
  SetButton = new QPushButton(tr("设置"), this);
  CancelButton = new QPushButton(tr("取消"), this);
  layOutParamPage(this, form, {SetButton, CancelButton});
  connect(SetButton, &QPushButton::clicked, this, &ScreenSizePage::SetButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &ScreenSizePage::closeRequested);
}

void ScreenSizePage::fill() {
  Edit1->setText(QString::number(ws_.ScreenWidth));
  Edit2->setText(QString::number(ws_.ScreenHeight));
}

void ScreenSizePage::SetButtonClick() {
  guarded([this] {
    const int width = fieldInteger(Edit1->text(), tr("屏宽"));
    const int height = fieldInteger(Edit2->text(), tr("屏高"));
    // The application cannot hold a picture beyond this, so the controller is not told it.
    if (!Workspace::validSide(width) || !Workspace::validSide(height)) {
      say(tr("屏宽和屏高须在1到%1之间").arg(Workspace::MaxSide));
      return;
    }
    ScreenSizeRecord size{width, height};
    if (waitForLink(ws_, [&] { return link().Mod_KuanGao(transport(), &size); }) != 0) {
      say(tr("设置失败"));
      return;
    }
    // Programs drawn for another size do not fit the sign: the list starts again, the files stay.
    if (width != ws_.ScreenWidth || height != ws_.ScreenHeight) ws_.resetProgramCount();
    ws_.setSignSize(width, height);
    Q_EMIT closeRequested();
  });
}

// ---- "串口配置" ----

SerialGroup::SerialGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  ComboBox1 = listOf(baudEntries(), true, this);
  ComboBox2 = listOf(parityEntries(), false, this);
  ComboBox3 = listOf(dataBitEntries(), false, this);
  ComboBox4 = listOf(stopBitEntries(), false, this);
  auto* form = new QFormLayout;
  form->addRow(tr("波特率"), ComboBox1);
  form->addRow(tr("校验位"), ComboBox2);
  form->addRow(tr("数据位"), ComboBox3);
  form->addRow(tr("停止位"), ComboBox4);
  ReadButton = new QPushButton(tr("获取"), this);
  ChangeButton = new QPushButton(tr("修改"), this);
  layOutParamPage(this, form, {ReadButton, ChangeButton});
}

SerialChoice SerialGroup::choice() const {
  return {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex(),
          ComboBox4->currentIndex()};
}

void SerialGroup::showChoice(const SerialChoice& choice) {
  ComboBox1->setCurrentIndex(choice.baud);
  ComboBox2->setCurrentIndex(choice.parity);
  ComboBox3->setCurrentIndex(choice.dataBits);
  ComboBox4->setCurrentIndex(choice.stopBits);
}

SerialPortsPage::SerialPortsPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  GroupBox1 = new SerialGroup(QStringLiteral("RS232"), this);
  GroupBox2 = new SerialGroup(QStringLiteral("RS485"), this);
  auto* row = new QHBoxLayout(this);
  row->addWidget(GroupBox1);
  row->addWidget(GroupBox2);
  connect(GroupBox1->ReadButton, &QPushButton::clicked, this, &SerialPortsPage::RS232ReadClick);
  connect(GroupBox1->ChangeButton, &QPushButton::clicked, this, &SerialPortsPage::RS232ChangeClick);
  connect(GroupBox2->ReadButton, &QPushButton::clicked, this, &SerialPortsPage::RS485ReadClick);
  connect(GroupBox2->ChangeButton, &QPushButton::clicked, this, &SerialPortsPage::RS485ChangeClick);
}

void SerialPortsPage::RS232ReadClick() { read(GroupBox1, false); }
void SerialPortsPage::RS232ChangeClick() { change(GroupBox1, false); }
// The serial library has no RS485 functions: over a serial link these buttons do nothing.
void SerialPortsPage::RS485ReadClick() {
  if (transport() == Transport::Net) read(GroupBox2, true);
}
void SerialPortsPage::RS485ChangeClick() {
  if (transport() == Transport::Net) change(GroupBox2, true);
}

void SerialPortsPage::read(SerialGroup* group, bool rs485) {
  guarded([&] {
    SerialParaRecord record{};
    const int result =
        rs485 ? waitForLink(ws_, [&] { return link().Get485Para(&record); })
              : waitForLink(ws_, [&] { return link().GetSerialPara(transport(), &record); });
    if (readSucceeded(result)) group->showChoice(serialChoiceAfterRead(record, group->choice()));
  });
}

void SerialPortsPage::change(SerialGroup* group, bool rs485) {
  std::optional<SerialParaRecord> record = serialRecordFor(group->choice());
  if (!record) return;
  guarded([&] {
    reportChange(
        rs485 ? waitForLink(ws_, [&] { return link().Mod485Para(&*record); })
              : waitForLink(ws_, [&] { return link().ModSerialPara(transport(), &*record); }));
  });
}

// ---- "网络参数" ----

NetworkPage::NetworkPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  Edit1 = new QLineEdit(this);
  Edit2 = new QLineEdit(this);
  Edit3 = new QLineEdit(this);
  Edit4 = new QLineEdit(this);
  auto* form = new QFormLayout;
  form->addRow(tr("IP地址"), Edit1);
  form->addRow(tr("子网掩码"), Edit2);
  form->addRow(tr("默认网关"), Edit3);
  form->addRow(tr("端口"), Edit4);
  ReadButton = new QPushButton(tr("获取"), this);
  ChangeButton = new QPushButton(tr("修改"), this);
  layOutParamPage(this, form, {ReadButton, ChangeButton});
  connect(ReadButton, &QPushButton::clicked, this, &NetworkPage::ReadButtonClick);
  connect(ChangeButton, &QPushButton::clicked, this, &NetworkPage::ChangeButtonClick);
}

void NetworkPage::ReadButtonClick() {
  guarded([this] {
    NetParaRecord record{};
    if (!readSucceeded(waitForLink(ws_, [&] { return link().GetNetPara(transport(), &record); })))
      return;
    Edit1->setText(fieldText(record.ip));
    Edit2->setText(fieldText(record.mask));
    Edit3->setText(fieldText(record.gateway));
    Edit4->setText(QString::number(record.port));
  });
}

void NetworkPage::ChangeButtonClick() {
  QLineEdit* const addresses[] = {Edit1, Edit2, Edit3};
  for (QLineEdit* field : addresses) field->setText(field->text().trimmed());
  NetParaRecord record{};
  char* const slots[] = {record.ip, record.mask, record.gateway};
  for (int i = 0; i < 3; ++i) {
    const QString text = addresses[i]->text();
    const std::optional<QByteArray> bytes =
        IsValidAddressText(text) ? addressFieldBytes(text) : std::nullopt;
    if (!bytes) {
      say(tr("数据格式无效"));
      return;
    }
    std::memcpy(slots[i], bytes->constData(),
                std::min(size_t(bytes->size()), sizeof record.ip - 1));
  }
  guarded([&] {
    record.port = fieldInteger(Edit4->text(), tr("端口"));
    reportChange(waitForLink(ws_, [&] { return link().ModNetPara(transport(), &record); }));
  });
}

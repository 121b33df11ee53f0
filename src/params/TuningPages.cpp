#include "TuningPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>

#include "LinkWait.h"
#include "ParamLayout.h"
#include "ParamRules.h"
#include "Workspace.h"

using namespace params;

namespace {

QComboBox* listOf(const QStringList& entries, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->addItems(entries);
  list->setCurrentIndex(-1);
  return list;
}

// "00" to "last": the entry at position n is the number n.
QStringList twoDigitNumbers(int last) {
  QStringList numbers;
  for (int n = 0; n <= last; ++n) numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
  return numbers;
}

// A brightness bar 1 to 32 and its number, which starts as "0" and then follows the bar.
QSlider* levelBar(QLabel*& number, QWidget* parent) {
  auto* bar = new QSlider(Qt::Horizontal, parent);
  bar->setRange(kMinLevel, kMaxLevel);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  bar->setValue(kMinLevel);
  number = new QLabel(QStringLiteral("0"), parent);
  number->setMinimumWidth(24);
  QObject::connect(bar, &QSlider::valueChanged, number,
                   [number](int level) { number->setText(QString::number(level)); });
  return bar;
}

QHBoxLayout* besideEachOther(QWidget* a, QWidget* b) {
  auto* row = new QHBoxLayout;
  row->addWidget(a, 1);
  row->addWidget(b);
  return row;
}

}  // namespace

// ---- "扫描方式" ----

ScanPage::ScanPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  ComboBox1 = listOf(scanModeEntries(), this);
  CheckBox1 = new QCheckBox(tr("行译码"), this);
  CheckBox2 = new QCheckBox(tr("数据信号反向"), this);
  ComboBox2 = listOf(oePolarityEntries(), this);
  auto* form = new QFormLayout;
  form->addRow(tr("扫描方式"), ComboBox1);
  form->addRow(QString(), CheckBox1);
  form->addRow(QString(), CheckBox2);
  form->addRow(tr("OE极性"), ComboBox2);
  ReadButton = new QPushButton(tr("获取"), this);
  ChangeButton = new QPushButton(tr("修改"), this);
  layOutParamPage(this, form, {ReadButton, ChangeButton});
  connect(ReadButton, &QPushButton::clicked, this, &ScanPage::ReadButtonClick);
  connect(ChangeButton, &QPushButton::clicked, this, &ScanPage::ChangeButtonClick);
}

void ScanPage::ReadButtonClick() {
  guarded([this] {
    int flags = 0;
    const int code = waitForLink(ws_, [&] { return link().GetScanPara(transport(), &flags); });
    if (code < 0) {
      readFailed();
      return;
    }
    say(tr("获取成功"));
    ComboBox2->setCurrentIndex((flags & kScanOeHigh) ? 1 : 0);
    CheckBox2->setChecked(flags & kScanInverted);
    if (const std::optional<ScanView> view = scanViewForCode(code)) {
      ComboBox1->setCurrentIndex(view->entry);
      CheckBox1->setChecked(view->rowDecoding);
    }
  });
}

void ScanPage::ChangeButtonClick() {
  guarded([this] {
    reportChange(waitForLink(ws_, [&] {
      return link().ModScanPara(transport(), ComboBox1->currentIndex(),
                                CheckBox1->isChecked() ? 1 : 0,
                                scanFlagsFor(CheckBox2->isChecked(), ComboBox2->currentIndex()));
    }));
  });
}

// ---- "亮度" ----

BrightnessPage::BrightnessPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  TrackBar1 = levelBar(Label1, this);
  auto* form = new QFormLayout;
  form->addRow(tr("亮度"), besideEachOther(TrackBar1, Label1));
  ReadButton = new QPushButton(tr("获取"), this);
  ChangeButton = new QPushButton(tr("修改"), this);
  layOutParamPage(this, form, {ReadButton, ChangeButton});
  connect(ReadButton, &QPushButton::clicked, this, &BrightnessPage::ReadButtonClick);
  connect(ChangeButton, &QPushButton::clicked, this, &BrightnessPage::ChangeButtonClick);
}

void BrightnessPage::ReadButtonClick() {
  guarded([this] {
    const int level = waitForLink(ws_, [&] { return link().GetBrightnessPara(transport()); });
    if (level <= 0) {
      say(tr("获取失败"));
      // 0 is an answer the controller gave; only a negative level means the link failed.
      if (level < 0) ws_.markDisconnectedIfNet();
      return;
    }
    TrackBar1->setValue(clampLevel(level));
    say(tr("获取成功"));
  });
}

void BrightnessPage::ChangeButtonClick() {
  guarded([this] {
    reportChange(waitForLink(
        ws_, [&] { return link().ModBrightnessPara(transport(), TrackBar1->value()); }));
  });
}

// ---- "固件版本" ----

VersionPage::VersionPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  Edit1 = new QLineEdit(this);
  Edit1->setReadOnly(true);
  auto* form = new QFormLayout;
  form->addRow(tr("版本信息"), Edit1);
  ReadButton = new QPushButton(tr("获取"), this);
  layOutParamPage(this, form, {ReadButton});
  connect(ReadButton, &QPushButton::clicked, this, &VersionPage::ReadButtonClick);
}

void VersionPage::ReadButtonClick() {
  guarded([this] {
    const QString text = waitForLink(ws_, [&] { return link().GetVersion(transport()); });
    // The page shows whatever text it gets, a link status text too; no text at all is a failure.
    if (text.isNull()) {
      say(tr("获取失败"));
      return;
    }
    Edit1->setText(shownLibraryText(boundedText(text, kVersionBytes)));
  });
}

// ---- "开关时间" ----

OnOffTimePage::OnOffTimePage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  ComboBox1 = listOf(twoDigitNumbers(23), this);
  ComboBox2 = listOf(twoDigitNumbers(59), this);
  ComboBox3 = listOf(twoDigitNumbers(23), this);
  ComboBox4 = listOf(twoDigitNumbers(59), this);
  auto timeRow = [this](QComboBox* hour, QComboBox* minute) {
    auto* row = new QHBoxLayout;
    row->addWidget(hour);
    row->addWidget(new QLabel(tr("："), this));
    row->addWidget(minute);
    row->addStretch(1);
    return row;
  };
  auto* form = new QFormLayout;
  form->addRow(tr("开启时间"), timeRow(ComboBox1, ComboBox2));
  form->addRow(tr("关闭时间"), timeRow(ComboBox3, ComboBox4));
  ReadButton = new QPushButton(tr("获取"), this);
  ChangeButton = new QPushButton(tr("修改"), this);
  layOutParamPage(this, form, {ReadButton, ChangeButton});
  connect(ReadButton, &QPushButton::clicked, this, &OnOffTimePage::ReadButtonClick);
  connect(ChangeButton, &QPushButton::clicked, this, &OnOffTimePage::ChangeButtonClick);
}

void OnOffTimePage::ReadButtonClick() {
  guarded([this] {
    const QString raw = waitForLink(ws_, [&] { return link().GetOnOffTime(transport()); });
    const QString text = boundedText(raw, kOnOffBytes);
    // A text read reports link trouble by its status text and never counts as a lost link.
    if (!raw.isNull() && isLinkStatusText(text)) {
      say(shownLibraryText(text));
      return;
    }
    const std::optional<std::array<int, 4>> numbers =
        raw.isNull() ? std::nullopt : parseOnOffText(text);
    if (!numbers) {
      say(tr("获取失败"));
      return;
    }
    QComboBox* const lists[] = {ComboBox1, ComboBox2, ComboBox3, ComboBox4};
    for (int i = 0; i < 4; ++i) {
      const int n = (*numbers)[size_t(i)];
      lists[i]->setCurrentIndex(n < lists[i]->count() ? n : -1);
    }
    say(tr("获取成功"));
  });
}

void OnOffTimePage::ChangeButtonClick() {
  guarded([this] {
    reportChange(waitForLink(ws_, [&] {
      return link().ModOnOffTime(transport(), ComboBox1->currentIndex(), ComboBox2->currentIndex(),
                                 ComboBox3->currentIndex(), ComboBox4->currentIndex());
    }));
  });
}

// ---- "日夜亮度" ----

DayNightPage::DayNightPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  TrackBar1 = levelBar(Label1, this);
  TrackBar2 = levelBar(Label2, this);
  auto* form = new QFormLayout;
  form->addRow(tr("白天亮度"), besideEachOther(TrackBar1, Label1));
  form->addRow(tr("晚上亮度"), besideEachOther(TrackBar2, Label2));
  ReadButton = new QPushButton(tr("获取"), this);
  ChangeButton = new QPushButton(tr("修改"), this);
  layOutParamPage(this, form, {ReadButton, ChangeButton});
  connect(ReadButton, &QPushButton::clicked, this, &DayNightPage::ReadButtonClick);
  connect(ChangeButton, &QPushButton::clicked, this, &DayNightPage::ChangeButtonClick);
}

void DayNightPage::ReadButtonClick() {
  guarded([this] {
    DayNightRecord levels{};
    if (!readSucceeded(
            waitForLink(ws_, [&] { return link().GetDayNightBrightness(transport(), &levels); })))
      return;
    TrackBar1->setValue(clampLevel(levels.day));
    TrackBar2->setValue(clampLevel(levels.night));
  });
}

void DayNightPage::ChangeButtonClick() {
  guarded([this] {
    reportChange(waitForLink(ws_, [&] {
      return link().ModDayNightBrightness(transport(), TrackBar1->value(), TrackBar2->value());
    }));
  });
}

// ---- "时间" ----

ClockPage::ClockPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : ParamPage(workspace, prompt, parent) {
  Edit1 = new QLineEdit(this);
  Edit1->setReadOnly(true);
  auto* form = new QFormLayout;
  form->addRow(tr("时间"), Edit1);
  ReadButton = new QPushButton(tr("获取"), this);
  SetButton = new QPushButton(tr("校时"), this);
  layOutParamPage(this, form, {ReadButton, SetButton});
  connect(ReadButton, &QPushButton::clicked, this, &ClockPage::ReadButtonClick);
  connect(SetButton, &QPushButton::clicked, this, &ClockPage::SetButtonClick);
}

void ClockPage::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) Edit1->clear();
  ParamPage::showEvent(event);
}

void ClockPage::ReadButtonClick() {
  guarded([this] {
    const QString raw = waitForLink(ws_, [&] { return link().GetTime(transport()); });
    if (raw.isNull()) {
      say(tr("获取失败"));
      return;
    }
    const QString text = boundedText(raw, kClockBytes);
    if (isLinkStatusText(text)) {
      say(shownLibraryText(text));
      return;
    }
    Edit1->setText(text);
    say(tr("获取成功"));
  });
}

void ClockPage::SetButtonClick() {
  guarded([this] {
    const QDateTime t = now();
    const QDate d = t.date();
    const QTime c = t.time();
    if (waitForLink(ws_, [&] {
          return link().ModTime(transport(), d.year(), d.month(), d.day(), c.hour(), c.minute(),
                                c.second());
        }) == 0) {
      say(tr("校时成功"));
      return;
    }
    say(tr("校时失败"));
    ws_.markDisconnectedIfNet();
  });
}

#include "Screenwh.h"

#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ConnectionGuard.h"
#include "ConnectionPages.h"
#include "Prompt.h"
#include "TuningPages.h"
#include "Workspace.h"

TScreenWHForm::TScreenWHForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(tr("LED参数"));
  PageControl1 = new QTabWidget(this);
  sizePage = new ScreenSizePage(ws_, prompt_);
  serialPage = new SerialPortsPage(ws_, prompt_);
  netPage = new NetworkPage(ws_, prompt_);
  scanPage = new ScanPage(ws_, prompt_);
  brightnessPage = new BrightnessPage(ws_, prompt_);
  versionPage = new VersionPage(ws_, prompt_);
  onOffPage = new OnOffTimePage(ws_, prompt_);
  dayNightPage = new DayNightPage(ws_, prompt_);
  clockPage = new ClockPage(ws_, prompt_);
  PageControl1->addTab(sizePage, tr("LED宽高"));
  PageControl1->addTab(serialPage, tr("串口配置"));
  PageControl1->addTab(netPage, tr("网络参数"));
  PageControl1->addTab(scanPage, tr("扫描方式"));
  PageControl1->addTab(brightnessPage, tr("亮度"));
  PageControl1->addTab(versionPage, tr("固件版本"));
  PageControl1->addTab(onOffPage, tr("开关时间"));
  PageControl1->addTab(dayNightPage, tr("日夜亮度"));
  PageControl1->addTab(clockPage, tr("时间"));
  auto* column = new QVBoxLayout(this);
  column->addWidget(PageControl1);
  resize(680, 300);  // every tab in sight
  connect(sizePage, &ScreenSizePage::closeRequested, this, &QDialog::accept);
}

void TScreenWHForm::launch() {
  if (!requireConnection(ws_, prompt_, parentWidget())) return;
  Workspace::HeartbeatPause pause(ws_);
  exec();
}

void TScreenWHForm::FormShow() {
  sizePage->fill();
  PageControl1->setCurrentIndex(0);
  PageControl1->setTabVisible(PageControl1->indexOf(netPage), ws_.ControllerModel != 1);
}

void TScreenWHForm::showEvent(QShowEvent* event) {
  // Not when the window system shows it again (restored from minimised): the operator's page stays.
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

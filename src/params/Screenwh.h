#pragma once

#include <QDialog>

class Prompt;
class QTabWidget;
class Workspace;
class ScreenSizePage;
class SerialPortsPage;
class NetworkPage;
class ScanPage;
class BrightnessPage;
class VersionPage;
class OnOffTimePage;
class DayNightPage;
class ClockPage;

// The controller parameter dialog "LED参数": nine pages, each reading and changing one group of
// the controller's own settings. Created once and reused; the pages keep what they showed
// between openings, and nothing is read from the controller until the operator asks.
class TScreenWHForm : public QDialog {
  Q_OBJECT
 public:
  TScreenWHForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);

  // The operator's command: only while connected; the heartbeat rests while the dialog is open.
  void launch();

  QTabWidget* PageControl1;
  ScreenSizePage* sizePage;
  SerialPortsPage* serialPage;
  NetworkPage* netPage;
  ScanPage* scanPage;
  BrightnessPage* brightnessPage;
  VersionPage* versionPage;
  OnOffTimePage* onOffPage;
  DayNightPage* dayNightPage;
  ClockPage* clockPage;

  // Each showing: the sign's size refilled, the first page active, the network page offered
  // unless the controller is of model 1.
  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Workspace& ws_;
  Prompt& prompt_;
};

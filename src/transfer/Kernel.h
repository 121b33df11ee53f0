#pragma once

#include <QDialog>

#include "LinkRunner.h"
#include "TransferProgress.h"

class QProgressBar;
class QPushButton;
class QTimer;
class Prompt;
class Workspace;

// "远程升级": uploads a firmware image chosen by the operator to the controller. The file is
// chosen and checked on the GUI thread; the blocking upload runs on a worker while the bar shows
// the bytes sent (or, without a progress query, climbs one step a second to 28 of 30). Over
// TCP/IP the link is closed after every upgrade. While an upgrade runs the dialog stays open:
// its worker is never abandoned.
class TKernelForm : public QDialog {
  Q_OBJECT
 public:
  TKernelForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  ~TKernelForm() override;

  // The operator's command: the connection guard, then the dialog with the heartbeat paused.
  void launch();

  QProgressBar* ProgressBar1;
  QPushButton* Button1;  // "升级"
  QPushButton* Button2;  // "取消"
  QTimer* Timer1;        // the one-second step of the bar

  const TransferProgress& progress() const { return progress_; }

  bool upgrading() const { return upgrading_; }
  // Blocks until a running upgrade's worker has ended (its result is still delivered queued).
  void waitForUpgrade();

  void FormShow();
  void Button1Click();
  void Timer1Timer();

 Q_SIGNALS:
  // The upgrade's result has been shown and the dialog is idle again.
  void upgradeFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void finishUpgrade(int result, const QString& failure, bool overNet);
  bool refuseCloseWhileUpgrading();

  Workspace& ws_;
  Prompt& prompt_;
  TransferProgress progress_;
  bool upgrading_ = false;
  bool overNet_ = false;
  LinkRunner runner_;  // last: its call ends before anything else goes
};

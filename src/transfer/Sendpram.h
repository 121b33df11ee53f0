#pragma once

#include <QDialog>
#include <memory>

#include "LinkRunner.h"
#include "TransferProgress.h"
#include "protocol/Records.h"

class ControllerLink;
class Prompt;
class QLabel;
class QProgressBar;
class QTimer;
class Workspace;

// The send dialog: a small frameless red box with a label and a progress bar, shown modally
// while the whole library goes to the controller in one ModProgram call on a worker thread.
// It has no buttons and cannot be closed while the call runs; it closes itself after the
// result has been confirmed.
class TSendPramForm : public QDialog {
  Q_OBJECT
 public:
  TSendPramForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  ~TSendPramForm() override;

  // The send command: the guards, then the dialog with the heartbeat paused.
  void launch();

  QLabel* Label1;
  QProgressBar* ProgressBar1;
  QTimer* Timer1;  // the one-second step of the bar

  bool running() const { return running_; }
  // Handles events until the running transfer has ended (tests, benchmarks).
  void waitForTransfer();
  const TransferProgress& progress() const { return progress_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Builds the record and resolves the link; false after telling the operator why not.
  bool prepare();
  void FormShow();
  // `sent` is the number of programs the call sent.
  void transferDone(const WorkerOutcome<int>& outcome, int sent);

  Workspace& ws_;
  Prompt& prompt_;
  TransferProgress progress_;
  // Taken on the GUI thread before the worker starts; the worker holds its own reference.
  std::shared_ptr<ProgramSendRecord> record_;
  ControllerLink* link_ = nullptr;
  bool running_ = false;
  LinkRunner runner_;  // last: its call ends before anything else goes
};

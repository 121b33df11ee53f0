#pragma once

#include <QDialog>

#include "LinkRunner.h"
#include "TransferProgress.h"

class Prompt;
class QProgressBar;
class QPushButton;
class QTimer;
class Workspace;

// What the fetch worker hands back: the controller's count, and GetProgram's result when it was
// called (a count of 1 to 255).
struct FetchResult {
  int count = 0;
  int result = 0;
};

// The fetch dialog: "获取" asks the controller for its program count and fetches that many
// programs into the library on a worker thread; they replace the library. After a failure the
// dialog stays open for another try. While a fetch runs neither button nor closing works.
class TGetPramForm : public QDialog {
  Q_OBJECT
 public:
  TGetPramForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  ~TGetPramForm() override;

  // The fetch command: the guards, then the dialog with the heartbeat paused.
  void launch();

  QProgressBar* ProgressBar1;
  QPushButton* Button1;  // "获取"
  QPushButton* Button2;  // "取消"
  QTimer* Timer1;        // the one-second step of the bar

  void Button1Click();
  void Button2Click();

  bool running() const { return running_; }
  // Handles events until the running fetch has ended (tests, benchmarks).
  void waitForTransfer();
  const TransferProgress& progress() const { return progress_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void FormShow();
  void setRunning(bool running);
  void fetchDone(const WorkerOutcome<FetchResult>& outcome);
  // Removes every Rtf/<k>.rtf: the fetched programs have no rich text.
  QStringList removeRichText();

  Workspace& ws_;
  Prompt& prompt_;
  TransferProgress progress_;
  bool running_ = false;
  LinkRunner runner_;  // last: its calls end before anything else goes
};

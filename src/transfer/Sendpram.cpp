#include "Sendpram.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "ErrorReport.h"
#include "ProgramLimits.h"
#include "Prompt.h"
#include "SendRecord.h"
#include "TransferProgressBar.h"
#include "Workspace.h"

TSendPramForm::TSendPramForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      Label1(new QLabel(tr("正在发送节目,请勿进行其他操作..."), this)),
      ProgressBar1(new QProgressBar(this)),
      ws_(workspace),
      prompt_(prompt) {
  Timer1 = progress_.tickTimer();  // progress_ is built after the controls
  setWindowTitle(tr("发送节目"));
  setFixedSize(211, 61);
  QPalette red = palette();
  red.setColor(QPalette::Window, Qt::red);
  setPalette(red);
  setAutoFillBackground(true);
  QPalette blue = Label1->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label1->setPalette(blue);
  Label1->setGeometry(8, 8, 195, 18);
  ProgressBar1->setGeometry(8, 32, 195, 20);
  followTransferProgress(progress_, ProgressBar1);
}

TSendPramForm::~TSendPramForm() = default;

void TSendPramForm::launch() {
  if (ws_.ProgramCount == 0) {
    prompt_.message(parentWidget(), tr("发送节目数目不能为0"));
    return;
  }
  if (!ws_.isConnected()) {
    prompt_.message(parentWidget(), tr("未连接LED大屏"));
    return;
  }
  if (!prepare()) return;
  Workspace::HeartbeatPause pause(ws_);
  exec();
}

bool TSendPramForm::prepare() {
  bool ok = false;
  runGuarded(prompt_, nullptr, [&] {
    link_ = &ws_.link();
    // Every program is checked as the card will read it before a byte goes out.
    checkLibraryForSend(ws_.store(), ws_.ProgramCount, ws_.ControllerModel);
    record_ = buildSendRecord(ws_.store(), ws_.ProgramCount);
    ok = true;
  });
  return ok;
}

void TSendPramForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TSendPramForm::FormShow() {
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  if (running_) return;
  if (!record_ && !prepare()) {
    QMetaObject::invokeMethod(this, &TSendPramForm::reject, Qt::QueuedConnection);
    return;
  }
  // Everything the worker reads is taken here, on the GUI thread.
  ControllerLink* link = link_;
  const Transport transport = ws_.transport();
  std::shared_ptr<ProgramSendRecord> record = std::move(record_);
  running_ = true;
  progress_.start(
      [link, transport](int* done, int* total) { return link->Progress(transport, done, total); });
  runner_.start<int>(
      [link, transport, record] { return link->ModProgram(transport, record.get()); },
      [this, sent = record->count](const WorkerOutcome<int>& outcome) {
        transferDone(outcome, sent);
      });
}

void TSendPramForm::transferDone(const WorkerOutcome<int>& outcome, int sent) {
  // The dialog stays up, and cannot be closed, until the operator has read the result.
  if (!outcome.ok()) {
    progress_.stop();
    prompt_.message(nullptr, outcome.failure);
  } else if (outcome.value == 0) {
    // The card now holds what was sent: a fetch takes that many back.
    ws_.ControllerProgramCount = sent;
    progress_.finish();
    prompt_.message(nullptr, tr("发送成功"));
  } else {
    progress_.stop();
    prompt_.message(nullptr, tr("发送失败,错误代码：%1").arg(outcome.value));
    ws_.markDisconnectedIfNet();
  }
  running_ = false;
  accept();
}

void TSendPramForm::waitForTransfer() {
  while (running_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TSendPramForm::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TSendPramForm::reject() {
  if (!running_) QDialog::reject();
}

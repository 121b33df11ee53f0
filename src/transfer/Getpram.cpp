#include "Getpram.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "ConnectionGuard.h"
#include "ErrorReport.h"
#include "Prompt.h"
#include "TransferProgressBar.h"
#include "Workspace.h"

TGetPramForm::TGetPramForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ProgressBar1(new QProgressBar(this)),
      Button1(new QPushButton(tr("获取"), this)),
      Button2(new QPushButton(tr("取消"), this)),
      ws_(workspace),
      prompt_(prompt) {
  Timer1 = progress_.tickTimer();  // progress_ is built after the controls
  setWindowTitle(tr("获取节目内容"));
  setFixedSize(288, 122);
  ProgressBar1->setGeometry(16, 24, 256, 20);
  Button1->setGeometry(48, 72, 75, 25);
  Button2->setGeometry(165, 72, 75, 25);
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);
  Button1->setDefault(true);  // Return fetches
  followTransferProgress(progress_, ProgressBar1);
  connect(Button1, &QPushButton::clicked, this, &TGetPramForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TGetPramForm::Button2Click);
}

TGetPramForm::~TGetPramForm() = default;

void TGetPramForm::launch() {
  if (!requireConnection(ws_, prompt_, parentWidget())) return;
  if (ws_.ControllerProgramCount == 0) {
    prompt_.message(nullptr, tr("节目数为0"));
    return;
  }
  Workspace::HeartbeatPause pause(ws_);
  exec();
}

void TGetPramForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TGetPramForm::FormShow() {
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  if (running_) return;
  progress_.reset();
  setRunning(false);
}

void TGetPramForm::Button1Click() {
  if (running_) return;
  ControllerLink* link = nullptr;
  runGuarded(prompt_, nullptr, [&] { link = &ws_.link(); });
  if (!link) return;
  const Transport transport = ws_.transport();
  setRunning(true);
  progress_.start(
      [link, transport](int* done, int* total) { return link->Progress(transport, done, total); });
  runner_.start<FetchResult>(
      [link, transport] {
        FetchResult r;
        r.count = link->ProgramNumber(transport);
        // The size tables hold 255 programs: a larger count is never fetched.
        if (r.count >= 1 && r.count <= NQ_MAX_PROGRAMS)
          r.result = link->GetProgram(transport, r.count);
        return r;
      },
      [this](const WorkerOutcome<FetchResult>& outcome) { fetchDone(outcome); });
}

void TGetPramForm::Button2Click() {
  if (!running_) reject();
}

void TGetPramForm::fetchDone(const WorkerOutcome<FetchResult>& outcome) {
  const FetchResult& r = outcome.value;
  progress_.stop();
  if (!outcome.ok()) {
    prompt_.message(nullptr, outcome.failure);
  } else if (r.count < 0) {
    ws_.markDisconnectedIfNet();
    prompt_.message(nullptr, tr("获取节目数失败"));
  } else if (r.count == 0) {
    prompt_.message(nullptr, tr("节目数为0"));
  } else if (r.count > NQ_MAX_PROGRAMS) {
    prompt_.message(nullptr,
                    tr("控制卡报告有%1个节目，超过节目表能容纳的255个，未获取").arg(r.count));
  } else if (r.result != 0) {
    ws_.markDisconnectedIfNet();
    prompt_.message(nullptr, tr("获取节目失败"));
  } else {
    const QStringList left = removeRichText();
    // The main window rebuilds its list for the new count; an open editor closes unsaved.
    ws_.libraryReplaced(r.count);
    progress_.finish();
    prompt_.message(nullptr, tr("获取节目成功"));
    if (!left.isEmpty()) {
      prompt_.message(nullptr, tr("无法删除旧节目的文本文件，编辑这些节目前请先删除：\n%1")
                                   .arg(left.join(QLatin1Char('\n'))));
    }
    setRunning(false);
    accept();
    return;
  }
  setRunning(false);
}

QStringList TGetPramForm::removeRichText() {
  QStringList left;
  for (int k = 0; k < ProgramStore::MaxPrograms; ++k) {
    const QString path = ws_.store().rtfPath(k);
    if (QFile::exists(path) && !QFile::remove(path)) left << QDir::toNativeSeparators(path);
  }
  return left;
}

void TGetPramForm::setRunning(bool running) {
  running_ = running;
  Button1->setEnabled(!running);
  Button2->setEnabled(!running);
}

void TGetPramForm::waitForTransfer() {
  while (running_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TGetPramForm::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  progress_.stop();
  QDialog::closeEvent(event);
}

void TGetPramForm::reject() {
  if (!running_) QDialog::reject();
}

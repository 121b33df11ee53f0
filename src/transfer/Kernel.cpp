#include "Kernel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ConnectionGuard.h"
#include "ErrorReport.h"
#include "FirmwareImage.h"
#include "Prompt.h"
#include "Worker.h"
#include "Workspace.h"

TKernelForm::TKernelForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(QStringLiteral("远程升级"));
  setModal(true);
  setFixedSize(301, 109);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setRange(0, BarMaximum);
  ProgressBar1->setTextVisible(false);
  Button1 = new QPushButton(QStringLiteral("升级"), this);
  Button2 = new QPushButton(QStringLiteral("取消"), this);
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);
  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addStretch(1);
  auto* column = new QVBoxLayout(this);
  column->addStretch(1);
  column->addWidget(ProgressBar1);
  column->addStretch(1);
  column->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { reject(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

TKernelForm::~TKernelForm() { waitForUpgrade(); }

void TKernelForm::launch() {
  if (!requireConnection(ws_, prompt_, parentWidget())) return;
  Workspace::HeartbeatPause pause(ws_);
  exec();
}

void TKernelForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TKernelForm::FormShow() {
  if (upgrading_) return;
  ProgressBar1->setRange(0, BarMaximum);
  ProgressBar1->setValue(0);
  Button1->setEnabled(true);
}

void TKernelForm::Button1Click() {
  if (upgrading_) return;
  Button1->setEnabled(false);
  counter_ = 0;
  runGuarded(prompt_, this, [this] {
    ControllerLink& link = ws_.link();
    const Transport transport = ws_.transport();
    // Chosen here, on the GUI thread, before any worker exists.
    const QString path =
        prompt_.openFile(this, QStringLiteral("打开"), QStringLiteral("All (*.bin)"));
    if (path.isEmpty()) return;
    const bool overNet = transport == Transport::Net;
    const FirmwareImage image = FirmwareImage::load(path, overNet);
    if (!image.ok()) {
      prompt_.message(this, image.refusal);
      return;
    }
    upgrading_ = true;
    ProgressBar1->setValue(0);
    Timer1->start();
    worker_ = startWorker<int>(
        this,
        [&link, overNet, path, bytes = image.bytes]() -> int {
          if (!overNet) return link.UpdateFile(path);
          // The link is closed after every TCP/IP upgrade, whatever became of it.
          int result = 0;
          try {
            result = link.UpdateBytes(bytes);
          } catch (...) {
            try {
              link.Disnect();
            } catch (...) {
            }
            throw;
          }
          link.Disnect();
          return result;
        },
        [this, overNet](const WorkerOutcome<int>& outcome) {
          finishUpgrade(outcome.value, outcome.failure, overNet);
        });
  });
  if (!upgrading_) Button1->setEnabled(true);
}

void TKernelForm::Timer1Timer() {
  if (counter_ <= BarMaximum - 2) {
    ProgressBar1->setValue(counter_);
    ++counter_;
  }
}

void TKernelForm::finishUpgrade(int result, const QString& failure, bool overNet) {
  Timer1->stop();
  if (!failure.isEmpty()) {
    prompt_.message(this, failure);
  } else if (result == 0) {
    ProgressBar1->setValue(BarMaximum);
    prompt_.message(this, QStringLiteral("升级成功"));
  } else {
    prompt_.message(this, QStringLiteral("升级失败"));
  }
  if (overNet) ws_.markDisconnected();
  upgrading_ = false;
  Button1->setEnabled(true);
  Q_EMIT upgradeFinished();
}

void TKernelForm::waitForUpgrade() {
  if (worker_) worker_->wait();
}

bool TKernelForm::refuseCloseWhileUpgrading() {
  if (!upgrading_) return false;
  prompt_.message(this, QStringLiteral("正在升级，请等待升级结束"));
  return true;
}

// Every way of closing (the title bar, Escape, "取消") ends here.
void TKernelForm::reject() {
  if (refuseCloseWhileUpgrading()) return;
  Timer1->stop();
  QDialog::reject();
}

#include "Kernel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ConnectionGuard.h"
#include "ErrorReport.h"
#include "FirmwareImage.h"
#include "Prompt.h"
#include "TransferProgressBar.h"
#include "Workspace.h"

TKernelForm::TKernelForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(tr("远程升级"));
  setModal(true);
  setFixedSize(301, 109);

  ProgressBar1 = new QProgressBar(this);
  followTransferProgress(progress_, ProgressBar1);
  Button1 = new QPushButton(tr("升级"), this);
  Button2 = new QPushButton(tr("取消"), this);
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);
  Button1->setDefault(true);  // Return upgrades
  Timer1 = progress_.tickTimer();

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
}

TKernelForm::~TKernelForm() = default;

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
  if (const QScreen* s = screen())
    move(s->availableGeometry().center() - frameGeometry().center() + pos());
  if (upgrading_) return;
  progress_.reset();
  Button1->setEnabled(true);
}

void TKernelForm::Button1Click() {
  if (upgrading_) return;
  Button1->setEnabled(false);
  runGuarded(prompt_, this, [this] {
    ControllerLink& link = ws_.link();
    const Transport transport = ws_.transport();
    // Chosen here, on the GUI thread, before any worker exists.
    const QString path = prompt_.openFile(this, tr("打开"), QStringLiteral("All (*.bin)"));
    if (path.isEmpty()) return;
    const bool overNet = transport == Transport::Net;
    const FirmwareImage image = FirmwareImage::load(path, overNet);
    if (!image.ok()) {
      prompt_.message(this, image.refusal);
      return;
    }
    upgrading_ = true;
    progress_.start([&link, transport](int* done, int* total) {
      return link.Progress(transport, done, total);
    });
    runner_.start<int>(
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

void TKernelForm::Timer1Timer() { progress_.tick(); }

void TKernelForm::finishUpgrade(int result, const QString& failure, bool overNet) {
  if (!failure.isEmpty()) {
    progress_.stop();
    prompt_.message(this, failure);
  } else if (result == 0) {
    progress_.finish();
    prompt_.message(this, tr("升级成功"));
  } else {
    progress_.stop();
    prompt_.message(this, tr("升级失败"));
  }
  if (overNet) ws_.markDisconnected();
  upgrading_ = false;
  Button1->setEnabled(true);
  Q_EMIT upgradeFinished();
}

void TKernelForm::waitForUpgrade() { runner_.wait(); }

bool TKernelForm::refuseCloseWhileUpgrading() {
  if (!upgrading_) return false;
  prompt_.message(this, tr("正在升级，请等待升级结束"));
  return true;
}

// Every way of closing (the title bar, Escape, "取消") ends here.
void TKernelForm::reject() {
  if (refuseCloseWhileUpgrading()) return;
  progress_.stop();
  QDialog::reject();
}

#pragma once

#include <QProgressBar>

#include "TransferProgress.h"

// Copies the model into a dialog's bar: the percentage, then the remaining time when known.
inline void showTransferProgress(const TransferProgress& progress, QProgressBar* bar) {
  bar->setRange(0, progress.maximum());
  bar->setValue(progress.position());
  bar->setFormat(progress.text().isEmpty() ? QStringLiteral("%p%")
                                           : QStringLiteral("%p%  ") + progress.text());
}

// Keeps the bar in step with the model for the life of the bar.
inline void followTransferProgress(const TransferProgress& progress, QProgressBar* bar) {
  QObject::connect(&progress, &TransferProgress::changed, bar,
                   [&progress, bar] { showTransferProgress(progress, bar); });
  showTransferProgress(progress, bar);
}

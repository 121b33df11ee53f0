#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "LedError.h"

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw LedError(QStringLiteral("无法写入文件 %1：%2")
                       .arg(QDir::toNativeSeparators(path), file.errorString()));
  }
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
  QFileInfo info(path);
  if (info.isDir()) {
    throw LedError(QStringLiteral("%1 是文件夹，不是文件").arg(QDir::toNativeSeparators(path)));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw LedError(QStringLiteral("无法读取文件 %1：%2")
                       .arg(QDir::toNativeSeparators(path), file.errorString()));
  }
  if (file.size() > maxBytes) {
    throw LedError(QStringLiteral("文件 %1 太大").arg(QDir::toNativeSeparators(path)));
  }
  QByteArray bytes = file.read(maxBytes + 1);
  if (bytes.size() > maxBytes) {
    throw LedError(QStringLiteral("文件 %1 太大").arg(QDir::toNativeSeparators(path)));
  }
  return bytes;
}

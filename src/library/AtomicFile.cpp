#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

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

namespace {

std::filesystem::path toPath(const QString& s) { return std::filesystem::path(s.toStdU16String()); }

}  // namespace

FileMoveJournal::FileMoveJournal(QString failure) : failure_(std::move(failure)) {}

FileMoveJournal::~FileMoveJournal() {
  if (committed_) return;
  for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
    std::error_code ec;
    std::filesystem::rename(toPath(it->second), toPath(it->first), ec);
  }
}

void FileMoveJournal::move(const QString& from, const QString& to) {
  std::error_code ec;
  std::filesystem::rename(toPath(from), toPath(to), ec);
  if (ec) {
    throw LedError(QStringLiteral("%1：无法把 %2 移到 %3（%4）")
                       .arg(failure_, QDir::toNativeSeparators(from), QDir::toNativeSeparators(to),
                            QString::fromStdString(ec.message())));
  }
  done_.push_back({from, to});
}

void FileMoveJournal::moveIfExists(const QString& from, const QString& to) {
  std::error_code ec;
  if (std::filesystem::exists(toPath(from), ec)) move(from, to);
}

FileRollback::~FileRollback() {
  if (committed_) return;
  for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
    try {
      if (it->second)
        writeFileAtomically(it->first, *it->second);
      else
        QFile::remove(it->first);
    } catch (const LedError&) {
      // Nothing more can be done here; the failure that started the rollback is reported.
    }
  }
}

void FileRollback::keep(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (info.isDir()) return;
  kept_.emplace_back(path,
                     info.exists() ? std::optional(readWholeFile(path, maxBytes)) : std::nullopt);
}

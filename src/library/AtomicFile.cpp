#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "LedError.h"

QString fileErrorText(QFileDevice::FileError error) {
  switch (error) {
    case QFileDevice::NoError:
      break;
    case QFileDevice::ReadError:
      return QCoreApplication::translate("AtomicFile", "读取时出错");
    case QFileDevice::WriteError:
      return QCoreApplication::translate("AtomicFile", "写入时出错，磁盘可能已满");
    case QFileDevice::FatalError:
      return QCoreApplication::translate("AtomicFile", "发生严重错误");
    case QFileDevice::ResourceError:
      return QCoreApplication::translate("AtomicFile", "磁盘空间或系统资源不足");
    case QFileDevice::OpenError:
      return QCoreApplication::translate("AtomicFile",
                                         "无法打开，文件可能不存在、没有权限或正被占用");
    case QFileDevice::AbortError:
      return QCoreApplication::translate("AtomicFile", "操作被中止");
    case QFileDevice::TimeOutError:
      return QCoreApplication::translate("AtomicFile", "操作超时");
    case QFileDevice::UnspecifiedError:
      break;
    case QFileDevice::RemoveError:
      return QCoreApplication::translate("AtomicFile", "无法删除文件");
    case QFileDevice::RenameError:
      return QCoreApplication::translate("AtomicFile", "无法替换文件，可能没有权限或正被占用");
    case QFileDevice::PositionError:
      return QCoreApplication::translate("AtomicFile", "无法定位文件中的位置");
    case QFileDevice::ResizeError:
      return QCoreApplication::translate("AtomicFile", "无法改变文件大小");
    case QFileDevice::PermissionsError:
      return QCoreApplication::translate("AtomicFile", "没有权限");
    case QFileDevice::CopyError:
      return QCoreApplication::translate("AtomicFile", "源文件无法读取或目标无法写入");
  }
  return QCoreApplication::translate("AtomicFile", "未知错误");
}

QString systemErrorText(const std::error_code& error) {
  using std::errc;
  const std::pair<errc, const char*> known[] = {
      {errc::no_such_file_or_directory, QT_TRANSLATE_NOOP("AtomicFile", "文件或文件夹不存在")},
      {errc::permission_denied, QT_TRANSLATE_NOOP("AtomicFile", "没有权限")},
      {errc::operation_not_permitted, QT_TRANSLATE_NOOP("AtomicFile", "没有权限")},
      {errc::read_only_file_system, QT_TRANSLATE_NOOP("AtomicFile", "磁盘是只读的")},
      {errc::no_space_on_device, QT_TRANSLATE_NOOP("AtomicFile", "磁盘已满")},
      {errc::file_exists, QT_TRANSLATE_NOOP("AtomicFile", "目标已存在")},
      {errc::directory_not_empty, QT_TRANSLATE_NOOP("AtomicFile", "文件夹不是空的")},
      {errc::is_a_directory, QT_TRANSLATE_NOOP("AtomicFile", "目标是文件夹")},
      {errc::not_a_directory, QT_TRANSLATE_NOOP("AtomicFile", "路径中有一项不是文件夹")},
      {errc::device_or_resource_busy, QT_TRANSLATE_NOOP("AtomicFile", "文件正被占用")},
      {errc::text_file_busy, QT_TRANSLATE_NOOP("AtomicFile", "文件正被占用")},
      {errc::cross_device_link, QT_TRANSLATE_NOOP("AtomicFile", "不能跨磁盘移动")},
      {errc::filename_too_long, QT_TRANSLATE_NOOP("AtomicFile", "路径太长")},
      {errc::io_error, QT_TRANSLATE_NOOP("AtomicFile", "读写磁盘时出错")},
  };
  for (const auto& [code, text] : known)
    if (error == code) return QCoreApplication::translate("AtomicFile", text);
  return QCoreApplication::translate("AtomicFile", "系统错误 %1").arg(error.value());
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw LedError(QCoreApplication::translate("AtomicFile", "无法写入文件 %1：%2")
                       .arg(QDir::toNativeSeparators(path), fileErrorText(file.error())));
  }
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
  QFileInfo info(path);
  if (info.isDir()) {
    throw LedError(QCoreApplication::translate("AtomicFile", "%1 是文件夹，不是文件")
                       .arg(QDir::toNativeSeparators(path)));
  }
  if (!info.exists()) {
    throw LedError(QCoreApplication::translate("AtomicFile", "无法读取文件 %1：文件不存在")
                       .arg(QDir::toNativeSeparators(path)));
  }
  // Only a regular file is read: the open of a FIFO would wait for a writer for good, and a
  // device such as /dev/zero never ends. O_NONBLOCK keeps the open from waiting.
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    const std::error_code why(errno, std::generic_category());
    throw LedError(QCoreApplication::translate("AtomicFile", "无法读取文件 %1：%2")
                       .arg(QDir::toNativeSeparators(path), systemErrorText(why)));
  }
  struct stat st {};
  QFile file;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    throw LedError(QCoreApplication::translate("AtomicFile", "无法读取 %1：它不是普通文件")
                       .arg(QDir::toNativeSeparators(path)));
  }
  if (file.size() > maxBytes) {
    throw LedError(QCoreApplication::translate("AtomicFile", "文件 %1 太大")
                       .arg(QDir::toNativeSeparators(path)));
  }
  QByteArray bytes = file.read(maxBytes + 1);
  if (bytes.size() > maxBytes) {
    throw LedError(QCoreApplication::translate("AtomicFile", "文件 %1 太大")
                       .arg(QDir::toNativeSeparators(path)));
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
    throw LedError(tr("%1：无法把 %2 移到 %3（%4）")
                       .arg(failure_, QDir::toNativeSeparators(from), QDir::toNativeSeparators(to),
                            systemErrorText(ec)));
  }
  done_.push_back({from, to});
}

void FileMoveJournal::moveIfExists(const QString& from, const QString& to) {
  // Whatever kind of entry stands there: a symbolic link (even a dangling one) is moved as it
  // is, so that undoing puts it back instead of losing it under a file moved over it.
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(toPath(from), ec))) move(from, to);
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

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFileDevice>
#include <QString>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

// Why a file operation failed, in the operator's words, for messages: Qt's and the system's own
// texts are English.
QString fileErrorText(QFileDevice::FileError error);
QString systemErrorText(const std::error_code& error);

// Replaces a file as a whole: the bytes go to a temporary file beside it, which is then renamed
// over it, so a crash never leaves a half-written file. Throws LedError on failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file of at most maxBytes; throws LedError when it cannot be read or is larger.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);

// Renames files one by one and, unless committed, puts every one back in reverse order when it
// is destroyed, so that a multi-file change that fails part way leaves the files as they were.
// A failed rename throws LedError whose text starts with `failure`.
class FileMoveJournal {
  Q_DECLARE_TR_FUNCTIONS(FileMoveJournal)

 public:
  explicit FileMoveJournal(QString failure);
  ~FileMoveJournal();
  FileMoveJournal(const FileMoveJournal&) = delete;
  FileMoveJournal& operator=(const FileMoveJournal&) = delete;

  void move(const QString& from, const QString& to);
  // Nothing standing at `from` is skipped; any entry, a symbolic link too, is moved.
  void moveIfExists(const QString& from, const QString& to);
  void commit() { committed_ = true; }

 private:
  QString failure_;
  std::vector<std::pair<QString, QString>> done_;
  bool committed_ = false;
};

// Keeps the bytes of files about to be replaced and, unless committed, puts them back when it is
// destroyed (a file that did not exist is removed again), so that a change of several files that
// fails part way leaves them as they were. A folder standing at a path is left alone. Throws
// LedError when a file cannot be read or is larger than maxBytes.
class FileRollback {
 public:
  FileRollback() = default;
  ~FileRollback();
  FileRollback(const FileRollback&) = delete;
  FileRollback& operator=(const FileRollback&) = delete;

  void keep(const QString& path, qint64 maxBytes);
  void commit() { committed_ = true; }

 private:
  std::vector<std::pair<QString, std::optional<QByteArray>>> kept_;
  bool committed_ = false;
};

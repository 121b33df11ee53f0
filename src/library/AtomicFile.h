#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Replaces a file as a whole: the bytes go to a temporary file beside it, which is then renamed
// over it, so a crash never leaves a half-written file. Throws LedError on failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file of at most maxBytes; throws LedError when it cannot be read or is larger.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);

// Renames files one by one and, unless committed, puts every one back in reverse order when it
// is destroyed, so that a multi-file change that fails part way leaves the files as they were.
// A failed rename throws LedError whose text starts with `failure`.
class FileMoveJournal {
 public:
  explicit FileMoveJournal(QString failure);
  ~FileMoveJournal();
  FileMoveJournal(const FileMoveJournal&) = delete;
  FileMoveJournal& operator=(const FileMoveJournal&) = delete;

  void move(const QString& from, const QString& to);
  // A file that does not exist is skipped.
  void moveIfExists(const QString& from, const QString& to);
  void commit() { committed_ = true; }

 private:
  QString failure_;
  std::vector<std::pair<QString, QString>> done_;
  bool committed_ = false;
};

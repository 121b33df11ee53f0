#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <map>

#include "HomeLock.h"

// A fresh, empty home directory per test, with Program/ in it.
class TestHome {
 public:
  TestHome() { QDir(dir_.path()).mkpath(QStringLiteral("Program")); }
  QString path() const { return dir_.path(); }
  QString file(const QString& relative) const { return dir_.filePath(relative); }
  QByteArray read(const QString& relative) const {
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  bool write(const QString& relative, const QByteArray& bytes) const {
    QFile f(file(relative));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
  }
  bool exists(const QString& relative) const { return QFile::exists(file(relative)); }

 private:
  QTemporaryDir dir_;
};

// Every file under `root` but a home's lock file, by path relative to `root`, with its bytes
// ("?" for a file that cannot be read).
inline std::map<QString, QByteArray> filesUnder(const QString& root) {
  std::map<QString, QByteArray> files;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (path.endsWith(QLatin1String(HomeLock::FileName))) continue;
    QFile f(path);
    files[QDir(root).relativeFilePath(path)] = f.open(QIODevice::ReadOnly) ? f.readAll() : "?";
  }
  return files;
}

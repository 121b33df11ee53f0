#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

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

#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <map>

#include "HomeLock.h"
#include "ProgramStore.h"

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

// Program n of `home`: a picture of `size` with red, green and yellow LEDs lit along a slope of
// its own, its play mode n % 16, colour class two-colour.
inline void addLitProgram(const QString& home, int n, QSize size) {
  ProgramStore store(home);
  store.append(n, size.width(), size.height(), n % 16, 3, QStringLiteral("5"));
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::black);
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 0)};
  for (int x = 0; x < size.width(); ++x)
    picture.setPixel(x, (x * 7 + n) % size.height(), colours[(x + n) % 3]);
  store.writePicture(n, picture);
  ProgramEntry entry = store.readEntry(n);
  entry.colour = 3;
  store.writeSettings(n, entry);
}

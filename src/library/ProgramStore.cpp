#include "ProgramStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <vector>

#include "AtomicFile.h"
#include "BmpCheck.h"
#include "GbkIni.h"
#include "LedError.h"
#include "protocol/Limits.h"
#include "protocol/Program.h"

namespace {

const QString kWidth = QStringLiteral("屏宽");
const QString kHeight = QStringLiteral("屏高");
const QString kColour = QStringLiteral("颜色");
const QString kMode = QStringLiteral("播放方式");
const QString kSpeed = QStringLiteral("播放速度");
const QString kDwell = QStringLiteral("停留时间");

QString sectionName(int n) { return QStringLiteral("节目%1").arg(n); }

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

ProgramStore::ProgramStore(QString home) : home_(std::move(home)) {}

QString ProgramStore::programDir() const { return QDir(home_).filePath(QStringLiteral("Program")); }
QString ProgramStore::settingsPath() const {
  return QDir(programDir()).filePath(QStringLiteral("set.ini"));
}
QString ProgramStore::picturePath(int n) const {
  return QDir(programDir()).filePath(QStringLiteral("%1.bmp").arg(n));
}
QString ProgramStore::rtfDir() const { return QDir(home_).filePath(QStringLiteral("Rtf")); }
QString ProgramStore::rtfPath(int n) const {
  return QDir(rtfDir()).filePath(QStringLiteral("%1.rtf").arg(n));
}

namespace {

GbkIni loadIni(const QString& path) {
  if (!QFile::exists(path)) return GbkIni::parse({});
  return GbkIni::parse(readWholeFile(path, nq::kMaxIniFileBytes));
}

void removeIfExists(const QString& path) {
  if (QFile::exists(path) && !QFile::remove(path)) {
    throw LedError(
        QCoreApplication::translate("ProgramStore", "无法删除文件 %1").arg(native(path)));
  }
}

}  // namespace

void ProgramStore::wipe() {
  QDir().mkpath(programDir());
  for (int n = 0; n < MaxPrograms && QFile::exists(picturePath(n)); ++n)
    removeIfExists(picturePath(n));
  removeIfExists(settingsPath());
  for (int n = 0; n < MaxPrograms && QFile::exists(rtfPath(n)); ++n) removeIfExists(rtfPath(n));
}

void ProgramStore::append(int n, int width, int height, int mode, int speed,
                          const QString& dwellText) {
  QImage black(width, height, QImage::Format_RGB32);
  black.fill(Qt::black);
  writePicture(n, black);
  GbkIni ini = loadIni(settingsPath());
  const QString s = sectionName(n);
  ini.setValue(s, kWidth, width);
  ini.setValue(s, kHeight, height);
  ini.setValue(s, kColour, 0);
  ini.setValue(s, kMode, mode);
  ini.setValue(s, kSpeed, speed);
  ini.setValue(s, kDwell, GbkIni::toGbk(dwellText));
  writeFileAtomically(settingsPath(), ini.serialize());
  removeIfExists(rtfPath(n));
}

void ProgramStore::writePlaySettings(int n, int mode, int speed, const QString& dwellText) {
  GbkIni ini = loadIni(settingsPath());
  const QString s = sectionName(n);
  ini.setValue(s, kMode, mode);
  ini.setValue(s, kSpeed, speed);
  ini.setValue(s, kDwell, GbkIni::toGbk(dwellText));
  writeFileAtomically(settingsPath(), ini.serialize());
}

PlaySettings ProgramStore::readPlaySettings(int n) const {
  const GbkIni ini = loadIni(settingsPath());
  const QString s = sectionName(n);
  PlaySettings p;
  p.mode = ini.intValue(s, kMode, 0);
  p.speed = ini.intValue(s, kSpeed, 4);
  p.dwell = ini.intValue(s, kDwell, 5);
  return p;
}

namespace {

ProgramEntry entryFrom(const GbkIni& ini, int n) {
  const QString s = sectionName(n);
  return ProgramEntry{ini.intValue(s, kWidth, 32), ini.intValue(s, kHeight, 32),
                      ini.intValue(s, kColour, 0), ini.intValue(s, kMode, 0),
                      ini.intValue(s, kSpeed, 0),  ini.intValue(s, kDwell, 5)};
}

void putEntry(GbkIni& ini, int n, const ProgramEntry& e) {
  const QString s = sectionName(n);
  ini.setValue(s, kWidth, e.width);
  ini.setValue(s, kHeight, e.height);
  ini.setValue(s, kColour, e.colour);
  ini.setValue(s, kMode, e.mode);
  ini.setValue(s, kSpeed, e.speed);
  ini.setValue(s, kDwell, e.dwell);
}

}  // namespace

void ProgramStore::writeSettings(int n, const ProgramEntry& entry) {
  GbkIni ini = loadIni(settingsPath());
  putEntry(ini, n, entry);
  writeFileAtomically(settingsPath(), ini.serialize());
}

ProgramEntry ProgramStore::readEntry(int n) const { return entryFrom(loadIni(settingsPath()), n); }

void ProgramStore::writePicture(int n, const QImage& picture) {
  writeFileAtomically(picturePath(n), encodeBmp24(picture));
}

void ProgramStore::writePictureFile(int n, const QByteArray& bmpBytes) {
  writeFileAtomically(picturePath(n), bmpBytes);
}

QImage ProgramStore::readPicture(int n) const {
  const QString path = picturePath(n);
  const QString what = tr("节目图片 %1").arg(native(path));
  if (!QFile::exists(path)) throw LedError(tr("%1 不存在").arg(what));
  return decodeBmp(readWholeFile(path, nq::kMaxBmpFileBytes), what);
}

QSize ProgramStore::readPictureSize(int n) const {
  const QString path = picturePath(n);
  const QString what = tr("节目图片 %1").arg(native(path));
  if (!QFile::exists(path)) throw LedError(tr("%1 不存在").arg(what));
  const BmpHeaderInfo info = checkBmpHeader(readWholeFile(path, nq::kMaxBmpFileBytes));
  if (!info.ok) throw LedError(tr("%1 无法读取：%2").arg(what, info.error));
  return QSize(info.width, info.height);
}

void ProgramStore::deleteProgram(int s, int count) {
  if (count <= 0 || s < 0 || s >= count || count > MaxPrograms) return;

  // Every section is read (with the delete defaults) before the first file is touched.
  GbkIni ini = loadIni(settingsPath());
  std::vector<ProgramEntry> rows;
  rows.reserve(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) rows.push_back(entryFrom(ini, k));
  for (int k = s; k < count - 1; ++k) putEntry(ini, k, rows.at(static_cast<size_t>(k) + 1));
  ini.removeSection(sectionName(count - 1));
  const QByteArray newIni = ini.serialize();

  // The deleted files are first moved aside, so that a failing rename can put everything back.
  const QString trashPicture = QDir(programDir()).filePath(QStringLiteral(".deleting.bmp"));
  const QString trashRtf = QDir(rtfDir()).filePath(QStringLiteral(".deleting.rtf"));
  FileMoveJournal journal(tr("删除节目失败"));
  journal.moveIfExists(picturePath(s), trashPicture);
  for (int k = s + 1; k < count; ++k) journal.moveIfExists(picturePath(k), picturePath(k - 1));
  journal.moveIfExists(rtfPath(s), trashRtf);
  for (int k = s + 1; k < count; ++k) journal.moveIfExists(rtfPath(k), rtfPath(k - 1));
  writeFileAtomically(settingsPath(), newIni);
  journal.commit();
  QFile::remove(trashPicture);
  QFile::remove(trashRtf);
}

namespace {

// Every pixel of the picture as 0xRRGGBB (higher bits ignored), row by row, until `visit`
// returns false.
template <typename Visit>
void forEachPixel(const QImage& picture, Visit visit) {
  const QImage img =
      (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32)
          ? picture
          : picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < img.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if (!visit(row[x])) return;
  }
}

}  // namespace

int correctColourClasses(GbkIni& settings, const QString& pictureDir, int count) {
  int corrected = 0;
  for (int n = 0; n < count; ++n) {
    const QString path = QDir(pictureDir).filePath(QStringLiteral("%1.bmp").arg(n));
    int cls = 0;
    try {
      cls = colourClass(decodeBmp(readWholeFile(path, nq::kMaxBmpFileBytes), native(path)));
    } catch (const LedError&) {
      continue;  // refused later, where the picture is used, with its reason
    }
    if (settings.intValue(sectionName(n), kColour, 0) != cls) {
      settings.setValue(sectionName(n), kColour, cls);
      ++corrected;
    }
  }
  return corrected;
}

bool hasColoursTheSignCannotShow(const QImage& picture) {
  bool found = false;
  forEachPixel(picture, [&](QRgb p) {
    found = nq::exactLedColour(p) < 0;
    return !found;
  });
  return found;
}

int colourClass(const QImage& picture) {
  int cls = 0;
  forEachPixel(picture, [&](QRgb p) {
    cls = nq::addToColourClass(cls, nq::exactLedColour(p));
    return cls != 3;
  });
  return cls;
}

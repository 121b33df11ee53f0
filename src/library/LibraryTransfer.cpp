#include "LibraryTransfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>
#include <vector>

#include "AtomicFile.h"
#include "GbkIni.h"
#include "LedError.h"
#include "ProgramStore.h"
#include "protocol/Limits.h"

namespace fs = std::filesystem;

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }
fs::path toPath(const QString& s) { return fs::path(s.toStdU16String()); }

// Copies a file to a temporary name beside the target, then renames it over the target.
void copyReplacing(const QString& from, const QString& to, const QString& failure) {
  const QString temporary = to + QStringLiteral(".part");
  QFile::remove(temporary);
  QFile source(from);
  if (!source.copy(temporary)) {
    QFile::remove(temporary);
    throw LedError(QCoreApplication::translate("LibraryTransfer", "%1：无法复制 %2 到 %3（%4）")
                       .arg(failure, native(from), native(to), fileErrorText(source.error())));
  }
  std::error_code ec;
  fs::rename(toPath(temporary), toPath(to), ec);
  if (ec) {
    QFile::remove(temporary);
    throw LedError(QCoreApplication::translate("LibraryTransfer", "%1：无法写入 %2（%3）")
                       .arg(failure, native(to), systemErrorText(ec)));
  }
}

QString pictureName(int n) { return QStringLiteral("%1.bmp").arg(n); }

}  // namespace

ExportResult exportLibrary(const ProgramStore& store, int count, const QString& folder) {
  const QString failure = QCoreApplication::translate("LibraryTransfer", "导出失败");
  const QDir target(folder);
  for (int n = 0; n < count; ++n) {
    if (QFile::exists(store.picturePath(n))) {
      copyReplacing(store.picturePath(n), target.filePath(pictureName(n)), failure);
    }
  }
  ExportResult result;
  if (QFile::exists(store.settingsPath())) {
    copyReplacing(store.settingsPath(), target.filePath(QStringLiteral("set.ini")), failure);
    result.settingsCopied = true;
  }
  return result;
}

QString importReport(const ImportResult& imported) {
  QString text = QCoreApplication::translate("LibraryTransfer", "导入节目成功");
  if (imported.truncated) {
    text += QLatin1Char('\n') +
            QCoreApplication::translate("LibraryTransfer",
                                        "节目表最多容纳%1个节目，文件夹中其余的图片没有导入。")
                .arg(ProgramStore::MaxPrograms);
  }
  if (imported.coloursCorrected > 0) {
    text += QLatin1Char('\n') + QCoreApplication::translate(
                                    "LibraryTransfer", "%n个节目的颜色值与图片不符，已按图片改正。",
                                    nullptr, imported.coloursCorrected);
  }
  return text;
}

ImportResult importLibrary(const ProgramStore& store, const QString& folder) {
  const QString failure = QCoreApplication::translate("LibraryTransfer", "导入失败，节目表未改变");
  const QDir source(folder);
  const QString settings = source.filePath(QStringLiteral("set.ini"));
  if (!QFileInfo(settings).isFile()) {
    throw LedError(QCoreApplication::translate("LibraryTransfer", "%1：文件夹 %2 中没有 set.ini")
                       .arg(failure, native(folder)));
  }
  ImportResult result;
  while (result.count < ProgramStore::MaxPrograms &&
         QFileInfo::exists(source.filePath(pictureName(result.count)))) {
    ++result.count;
  }
  result.truncated = result.count == ProgramStore::MaxPrograms &&
                     QFileInfo::exists(source.filePath(pictureName(result.count)));

  // Stage every file beside Program/ first; nothing of the library is touched until all copied.
  const QDir home(store.home());
  const QString staging = home.filePath(QStringLiteral(".import-staging"));
  const QString backup = home.filePath(QStringLiteral(".import-backup"));
  QDir(staging).removeRecursively();
  QDir(backup).removeRecursively();
  if (!QDir().mkpath(staging) || !QDir().mkpath(backup) || !QDir().mkpath(store.programDir())) {
    throw LedError(QCoreApplication::translate("LibraryTransfer", "%1：无法在 %2 中建立临时文件夹")
                       .arg(failure, native(store.home())));
  }
  struct Cleanup {
    QString a, b;
    ~Cleanup() {
      QDir(a).removeRecursively();
      QDir(b).removeRecursively();
    }
  } cleanup{staging, backup};

  QStringList names;
  for (int n = 0; n < result.count; ++n) names << pictureName(n);
  names << QStringLiteral("set.ini");
  for (const QString& name : names) {
    copyReplacing(source.filePath(name), QDir(staging).filePath(name), failure);
  }
  const QString stagedSettings = QDir(staging).filePath(QStringLiteral("set.ini"));
  GbkIni settingsIni = GbkIni::parse(readWholeFile(stagedSettings, nq::kMaxIniFileBytes));
  result.coloursCorrected = correctColourClasses(settingsIni, staging, result.count);
  if (result.coloursCorrected > 0) writeFileAtomically(stagedSettings, settingsIni.serialize());

  const QDir library(store.programDir());
  FileMoveJournal journal(failure);
  for (const QString& name : names) {
    journal.moveIfExists(library.filePath(name), QDir(backup).filePath(name));
    journal.move(QDir(staging).filePath(name), library.filePath(name));
  }
  journal.commit();

  // An imported program has no rich text: the old library's must not be opened for it.
  for (int n = 0; n < ProgramStore::MaxPrograms; ++n) QFile::remove(store.rtfPath(n));
  return result;
}

#include "Home.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString resolveHome(const QString& executableDir, const QString& override) {
  QString home;
  if (!override.isEmpty()) {
    home = QDir(override).absolutePath();
  } else if (QFileInfo(executableDir).isWritable() &&
             !QFileInfo::exists(QDir(executableDir).filePath(QStringLiteral("../share/ledsign")))) {
    home = QDir(executableDir).absolutePath();
  } else {
    // One folder for every program of the product, whatever its name: the editor and
    // ledsignctl must find the same library and the same lock.
    home = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
               .filePath(QStringLiteral("ledsign"));
  }
  QDir().mkpath(QDir(home).filePath(QStringLiteral("Program")));
  return home;
}

void exportHomeToLinkLibraries(const QString& home) {
  qputenv("LEDSIGN_HOME", QDir::toNativeSeparators(home).toLocal8Bit());
}

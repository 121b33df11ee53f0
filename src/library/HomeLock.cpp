#include "HomeLock.h"

#include <QDir>

HomeLock::HomeLock(const QString& home)
    : home_(home), file_(QDir(home).filePath(QString::fromLatin1(FileName))) {
  // An editor holds its home for hours: only a dead holder makes a lock stale, never its age.
  file_.setStaleLockTime(0);
}

bool HomeLock::tryLock() { return file_.tryLock(0); }

QString HomeLock::refusal() const {
  const QString home = QDir::toNativeSeparators(home_);
  if (file_.error() == QLockFile::LockFailedError) {
    return tr("节目库文件夹 %1 正被另一个程序使用，同一文件夹同时只能由一个程序打开。"
              "请先关闭那个程序。")
        .arg(home);
  }
  return tr("无法锁定节目库文件夹 %1：无法在其中建立文件 %2（没有权限或磁盘只读）。")
      .arg(home, QString::fromLatin1(FileName));
}

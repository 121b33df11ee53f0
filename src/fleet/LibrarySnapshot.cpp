#include "LibrarySnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "AtomicFile.h"
#include "LedError.h"
#include "ProgramLimits.h"
#include "ProgramStore.h"

namespace {

void copyFile(const QString& from, const QString& to, qint64 maxBytes) {
  const QByteArray bytes = readWholeFile(from, maxBytes);
  QFile out(to);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
    throw LedError(QCoreApplication::translate("LibrarySnapshot", "无法复制节目文件 %1：%2")
                       .arg(QDir::toNativeSeparators(to), fileErrorText(out.error())));
}

}  // namespace

std::unique_ptr<LibrarySnapshot> LibrarySnapshot::take(const ProgramStore& store) {
  std::unique_ptr<LibrarySnapshot> snapshot(new LibrarySnapshot);
  if (!snapshot->dir_.isValid())
    throw LedError(tr("无法建立临时文件夹：%1").arg(snapshot->dir_.errorString()));
  int count = 0;
  while (count < ProgramStore::MaxPrograms && QFile::exists(store.picturePath(count))) ++count;
  if (count == 0) throw LedError(tr("发送节目数目不能为0"));

  ProgramStore copy(snapshot->home());
  if (!QDir().mkpath(copy.programDir()))
    throw LedError(tr("无法建立临时文件夹 %1").arg(QDir::toNativeSeparators(copy.programDir())));
  copyFile(store.settingsPath(), copy.settingsPath(), nq::kMaxIniFileBytes);
  for (int k = 0; k < count; ++k) {
    copyFile(store.picturePath(k), copy.picturePath(k), nq::kMaxBmpFileBytes);
    // The card takes a program's size from its picture.
    snapshot->sizes_.push_back(copy.readPictureSize(k));
  }
  return snapshot;
}

QString LibrarySnapshot::modelRefusal(int model) const {
  if (const auto it = refusals_.find(model); it != refusals_.end()) return it->second;
  QString why;
  try {
    checkLibraryForSend(ProgramStore(home()), count(), model);
  } catch (const LedError& e) {
    why = e.text();
  }
  refusals_.emplace(model, why);
  return why;
}

QString programSizeMismatch(const std::vector<QSize>& sizes, QSize signSize) {
  for (size_t k = 0; k < sizes.size(); ++k) {
    if (sizes[k] != signSize)
      return QCoreApplication::translate("LibrarySnapshot", "节目%1的大小 %2×%3 与大屏 %4×%5 不符")
          .arg(k + 1)
          .arg(sizes[k].width())
          .arg(sizes[k].height())
          .arg(signSize.width())
          .arg(signSize.height());
  }
  return {};
}

#include "SendRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <cstring>

#include "LedError.h"
#include "ProgramStore.h"

QByteArray linkPathBytes(const QString& path, QString* why) {
  const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  QStringEncoder gbk("GBK");
  const QByteArray bytes = gbk.encode(native);
  // The library takes the bytes as the file's name; on a file system that does not name files
  // in GBK only the bytes both encodings share would find the file.
  if (gbk.hasError() || bytes.contains('\0') || bytes != QFile::encodeName(native)) {
    if (why) *why = native;
    return {};
  }
  return bytes;
}

namespace {

// Copies one path into its slot, leaving at least one NUL after it.
void fill(char* slot, size_t slotSize, const QString& path, const QString& home) {
  QString shown;
  const QByteArray bytes = linkPathBytes(path, &shown);
  if (bytes.isEmpty()) {
    throw LedError(
        QCoreApplication::translate("SendRecord",
                                    "节目文件的路径含有通讯库无法使用的字符，无法发送：%1\n"
                                    "请把主目录“%2”移到只含英文字母和数字的路径。")
            .arg(shown, QDir::toNativeSeparators(home)));
  }
  if (size_t(bytes.size()) >= slotSize) {
    throw LedError(QCoreApplication::translate("SendRecord",
                                               "节目文件的路径超过%1字节，无法发送：%2\n"
                                               "请把主目录“%3”移到路径较短的文件夹。")
                       .arg(slotSize - 1)
                       .arg(QString::fromLocal8Bit(bytes), QDir::toNativeSeparators(home)));
  }
  std::memcpy(slot, bytes.constData(), size_t(bytes.size()));
}

}  // namespace

std::unique_ptr<ProgramSendRecord> buildSendRecord(const ProgramStore& store, int count) {
  if (count < 1 || count > NQ_MAX_PROGRAMS)
    throw LedError(QCoreApplication::translate("SendRecord", "节目数 %1 超出范围（1 到 %2）")
                       .arg(count)
                       .arg(int(NQ_MAX_PROGRAMS)));
  auto record = std::make_unique<ProgramSendRecord>();  // value-initialised: all zero
  record->count = count;
  fill(record->iniPath, sizeof record->iniPath, store.settingsPath(), store.home());
  for (int i = 0; i < count; ++i)
    fill(record->bitmapPaths[i], sizeof record->bitmapPaths[i], store.picturePath(i), store.home());
  return record;
}

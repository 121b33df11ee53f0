#include "FirmwareImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

FirmwareImage FirmwareImage::load(const QString& path, bool asBytes) {
  FirmwareImage image;
  const QString shown = QDir::toNativeSeparators(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    image.refusal = QCoreApplication::translate("FirmwareImage", "无法读取升级文件：%1").arg(shown);
    return image;
  }
  // One byte beyond the limit tells a file that fits from one that would be cut.
  const QByteArray head = file.read(asBytes ? MaxNetBytes + 1 : 1);
  if (file.error() != QFileDevice::NoError) {
    image.refusal = QCoreApplication::translate("FirmwareImage", "无法读取升级文件：%1").arg(shown);
  } else if (head.isEmpty()) {
    image.refusal = QCoreApplication::translate("FirmwareImage", "升级文件为空：%1").arg(shown);
  } else if (asBytes && head.size() > MaxNetBytes) {
    image.refusal =
        QCoreApplication::translate("FirmwareImage", "升级文件超过%1字节，无法通过TCP/IP升级：%2")
            .arg(MaxNetBytes)
            .arg(shown);
  } else if (asBytes) {
    image.bytes = head;
  }
  return image;
}

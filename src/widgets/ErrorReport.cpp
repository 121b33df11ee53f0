#include "ErrorReport.h"

#include <QCoreApplication>
#include <new>

QString describeException(const std::exception& e) {
  if (auto* action = dynamic_cast<const LedError*>(&e)) return action->text();
  if (dynamic_cast<const std::bad_alloc*>(&e))
    return QCoreApplication::translate("ErrorReport", "操作失败：内存不足");
  return QCoreApplication::translate("ErrorReport", "操作失败：%1")
      .arg(QString::fromUtf8(e.what()));
}

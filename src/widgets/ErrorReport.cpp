#include "ErrorReport.h"

#include <new>

QString describeException(const std::exception& e) {
  if (auto* action = dynamic_cast<const LedError*>(&e)) return action->text();
  if (dynamic_cast<const std::bad_alloc*>(&e)) return QStringLiteral("操作失败：内存不足");
  return QStringLiteral("操作失败：") + QString::fromUtf8(e.what());
}

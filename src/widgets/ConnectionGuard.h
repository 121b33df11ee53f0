#pragma once

#include <QCoreApplication>

#include "Prompt.h"
#include "Workspace.h"

// The connection guard: false after telling the operator to connect first.
inline bool requireConnection(Workspace& workspace, Prompt& prompt, QWidget* owner) {
  if (workspace.isConnected()) return true;
  prompt.message(owner, QCoreApplication::translate("ConnectionGuard", "请先连接大屏"));
  return false;
}

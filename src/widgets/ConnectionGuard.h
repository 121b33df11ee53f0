#pragma once

#include "Prompt.h"
#include "Workspace.h"

// The connection guard: false after telling the operator to connect first.
inline bool requireConnection(Workspace& workspace, Prompt& prompt, QWidget* owner) {
  if (workspace.isConnected()) return true;
  prompt.message(owner, QStringLiteral("请先连接大屏"));
  return false;
}

#pragma once

#include <QCoreApplication>
#include <QString>
#include <exception>
#include <utility>

#include "LedError.h"
#include "Prompt.h"

QString describeException(const std::exception& e);

// Runs one operator action (which throws LedError or any std::exception on failure); whatever
// escapes it is shown once and swallowed.
template <typename Action>
void runGuarded(Prompt& prompt, QWidget* owner, Action&& action) {
  try {
    std::forward<Action>(action)();
  } catch (const std::exception& e) {
    prompt.message(owner, describeException(e));
  } catch (...) {
    prompt.message(owner, QCoreApplication::translate("ErrorReport", "操作失败：发生未知错误"));
  }
}

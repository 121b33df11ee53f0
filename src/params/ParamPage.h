#pragma once

#include <QWidget>

#include "ControllerLink.h"

class Prompt;
class Workspace;

// A page of the parameter dialog: it reaches the controller through the workspace's link with
// the transport chosen at the moment of the call, and reports by the dialog's result convention.
class ParamPage : public QWidget {
  Q_OBJECT
 protected:
  ParamPage(Workspace& workspace, Prompt& prompt, QWidget* parent);

  ControllerLink& link();
  Transport transport() const;
  void say(const QString& text);
  // Runs a handler; whatever it throws (a missing library, a field that is not a number) is
  // reported once.
  template <typename Action>
  void guarded(Action&& action);

  // A read's result: true on 0 after "获取成功"; otherwise "获取失败" and, over TCP/IP, the link
  // counts as lost.
  bool readSucceeded(int result);
  void readFailed();
  // A change's result: "修改成功" or "修改失败" (the link lost over TCP/IP).
  void reportChange(int result);

  Workspace& ws_;
  Prompt& prompt_;
};

#include "ErrorReport.h"

template <typename Action>
void ParamPage::guarded(Action&& action) {
  runGuarded(prompt_, window(), std::forward<Action>(action));
}

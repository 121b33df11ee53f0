#pragma once

#include <QCoreApplication>
#include <QString>
#include <utility>

#include "BusyCursor.h"
#include "Workspace.h"

// For the life of the object, while a link call blocks the GUI thread: the busy cursor and the
// status bar saying what the window waits for; then what it said before.
class LinkWait {
  Q_DECLARE_TR_FUNCTIONS(LinkWait)

 public:
  explicit LinkWait(Workspace& workspace, const QString& text = tr("正在通讯…"))
      : workspace_(workspace), before_(workspace.linkWaitText()) {
    workspace_.setLinkWaitText(text);
  }
  ~LinkWait() { workspace_.setLinkWaitText(before_); }
  LinkWait(const LinkWait&) = delete;
  LinkWait& operator=(const LinkWait&) = delete;

 private:
  Workspace& workspace_;
  QString before_;
  BusyCursor busy_;
};

// One link call on the GUI thread under a LinkWait; its result.
template <typename Call>
auto waitForLink(Workspace& workspace, Call&& call) {
  const LinkWait wait(workspace);
  return std::forward<Call>(call)();
}

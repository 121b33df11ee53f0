#include "ParamPage.h"

#include "Prompt.h"
#include "Workspace.h"

ParamPage::ParamPage(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QWidget(parent), ws_(workspace), prompt_(prompt) {}

ControllerLink& ParamPage::link() { return ws_.link(); }

Transport ParamPage::transport() const { return ws_.transport(); }

void ParamPage::say(const QString& text) { prompt_.message(window(), text); }

bool ParamPage::readSucceeded(int result) {
  if (result != 0) {
    readFailed();
    return false;
  }
  say(tr("获取成功"));
  return true;
}

void ParamPage::readFailed() {
  say(tr("获取失败"));
  ws_.markDisconnectedIfNet();
}

void ParamPage::reportChange(int result) {
  if (result == 0) {
    say(tr("修改成功"));
    return;
  }
  say(tr("修改失败"));
  ws_.markDisconnectedIfNet();
}

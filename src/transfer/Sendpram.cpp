#include "Sendpram.h"

#include "Prompt.h"
#include "Workspace.h"

TSendPramForm::TSendPramForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(QStringLiteral("发送节目"));
  (void)ws_;
  (void)prompt_;
}

void TSendPramForm::launch() {}

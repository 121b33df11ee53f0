#include "Getpram.h"

#include "Prompt.h"
#include "Workspace.h"

TGetPramForm::TGetPramForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(QStringLiteral("获取节目"));
  (void)ws_;
  (void)prompt_;
}

void TGetPramForm::launch() {}

#include "Kernel.h"

#include "Prompt.h"
#include "Workspace.h"

TKernelForm::TKernelForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(QStringLiteral("远程升级"));
  (void)ws_;
  (void)prompt_;
}

void TKernelForm::launch() {}

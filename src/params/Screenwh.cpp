#include "Screenwh.h"

#include "Prompt.h"
#include "Workspace.h"

TScreenWHForm::TScreenWHForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(QStringLiteral("LED参数"));
  (void)ws_;
  (void)prompt_;
}

void TScreenWHForm::launch() {}

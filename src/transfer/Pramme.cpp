#include "Pramme.h"

#include "Prompt.h"
#include "Workspace.h"

TPrammeForm::TPrammeForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ws_(workspace), prompt_(prompt) {
  setWindowTitle(QStringLiteral("节目控制"));
  (void)ws_;
  (void)prompt_;
}

void TPrammeForm::launch() {}

#include "Kernel.h"

#include "Mainface.h"

TKernelForm::TKernelForm(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("远程升级"));
  (void)mainForm_;
}

#include "Ledview.h"

#include "Mainface.h"

TLedViewForm::TLedViewForm(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("预览"));
  (void)mainForm_;
}

#include "Screenwh.h"

#include "Mainface.h"

TScreenWHForm::TScreenWHForm(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("大屏参数"));
  (void)mainForm_;
}

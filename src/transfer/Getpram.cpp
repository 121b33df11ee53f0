#include "Getpram.h"

#include "Mainface.h"

TGetPramForm::TGetPramForm(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("获取节目"));
  (void)mainForm_;
}

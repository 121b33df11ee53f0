#include "Sendpram.h"

#include "Mainface.h"

TSendPramForm::TSendPramForm(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("发送节目"));
  (void)mainForm_;
}

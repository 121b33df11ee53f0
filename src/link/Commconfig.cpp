#include "Commconfig.h"

#include "Mainface.h"

TCommForm::TCommForm(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("通讯配置"));
  (void)mainForm_;
}

#include "Pramme.h"

#include "Mainface.h"

TPrammeForm::TPrammeForm(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("节目控制"));
  (void)mainForm_;
}

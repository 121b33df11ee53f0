#include "Wordsedit.h"

#include "Mainface.h"

TWordsForm::TWordsForm(TMainForm& mainForm, QWidget* parent) : QWidget(parent), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("文本编辑"));
  (void)mainForm_;
}

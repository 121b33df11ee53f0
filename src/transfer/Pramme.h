#pragma once

#include <QDialog>

class TMainForm;

// Window shell: created at start-up and reused; its content comes with its own feature.
class TPrammeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPrammeForm(TMainForm& mainForm, QWidget* parent = nullptr);

 private:
  TMainForm& mainForm_;
};

#pragma once

#include <QDialog>

class TMainForm;

// Window shell: created at start-up and reused; its content comes with its own feature.
class TScreenWHForm : public QDialog {
  Q_OBJECT
 public:
  explicit TScreenWHForm(TMainForm& mainForm, QWidget* parent = nullptr);

 private:
  TMainForm& mainForm_;
};

#pragma once

#include <QDialog>

class TMainForm;

// Window shell: created at start-up and reused; its content comes with its own feature.
class TSendPramForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSendPramForm(TMainForm& mainForm, QWidget* parent = nullptr);

 private:
  TMainForm& mainForm_;
};

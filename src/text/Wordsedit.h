#pragma once

#include <QWidget>

class TMainForm;

// Window shell: created at start-up and reused; its content comes with its own feature.
class TWordsForm : public QWidget {
  Q_OBJECT
 public:
  explicit TWordsForm(TMainForm& mainForm, QWidget* parent = nullptr);

 private:
  TMainForm& mainForm_;
};

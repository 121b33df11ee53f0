#pragma once

#include <QDialog>

class Prompt;
class Workspace;

// Window shell: created at start-up and reused; its content comes with its own feature.
class TScreenWHForm : public QDialog {
  Q_OBJECT
 public:
  TScreenWHForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);

  // Opens the window for the operator's command, after its own checks.
  void launch();

 private:
  Workspace& ws_;
  Prompt& prompt_;
};

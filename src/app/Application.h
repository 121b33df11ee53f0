#pragma once

#include <QApplication>

class Prompt;

// The application object: an error that escapes an operator's action is shown in a "提示" box
// and the application goes on.
class LedApplication : public QApplication {
 public:
  LedApplication(int& argc, char** argv);
  void setPrompt(Prompt* prompt) { prompt_ = prompt; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Prompt* prompt_ = nullptr;
};

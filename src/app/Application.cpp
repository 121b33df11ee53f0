#include "Application.h"

#include "ErrorReport.h"

LedApplication::LedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool LedApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  if (prompt_) {
    runGuarded(*prompt_, activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
  } else {
    handled = QApplication::notify(receiver, event);
  }
  return handled;
}

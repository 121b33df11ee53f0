#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Spin buttons bound to an edit box, as a buddy: the position follows a valid number typed into
// the box, and a click on an arrow moves the position and rewrites the box with it.
class TUpDown : public QWidget {
  Q_OBJECT
 public:
  TUpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

  int position() const;
  // Moves the position; the buddy is rewritten only when the position actually changes.
  void setPosition(int value);

 private:
  void step(int delta);

  QLineEdit* buddy_;
  int minimum_;
  int maximum_;
  int position_;
  QToolButton* up_;
  QToolButton* down_;
};

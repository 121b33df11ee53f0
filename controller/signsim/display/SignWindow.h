#pragma once
// The virtual card's sign window: the sign at an integer zoom with an LED look (round dots on
// black) or plain pixels, a status line (card clock, brightness, model, program playing), the
// input-line buttons "IO1" … "IO6" and "全部" (keys 1–6 and 0) and "保存画面", which saves the
// current frame as a PNG file.

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "SignShow.h"

class QLabel;
class QPushButton;
class QTimer;

namespace signsim {

class Card;

struct DisplayOptions {
  int zoom = 0;              // 0: about 640 pixels wide
  bool plain = false;        // plain pixels instead of round dots
  QString snapshotDir;       // where "保存画面" writes; empty: the current directory
  int snapshotAfterMs = -1;  // with snapshotFile: save the frame after this time and quit
  QString snapshotFile;
};

// The zoom that makes a sign about 640 pixels wide (and at most 800 high).
int defaultZoom(QSize sign);
// The sign frame as the window shows it: each pixel a zoom x zoom cell, as a round dot on black
// or, in plain mode or below a zoom of 3, as a square.
QImage renderSign(const QImage& frame, int zoom, bool plain);

class SignView;

class SignWindow : public QWidget {
  Q_OBJECT
 public:
  SignWindow(CardStore& store, DisplayOptions options, QWidget* parent = nullptr);

  // The host's clock; tests put a fixed one in.
  void setHostClock(std::function<QDateTime()> clock) { hostClock_ = std::move(clock); }

  // One tick: follow the card, advance the show, draw, and set the timer for the next tick.
  void step();
  // The frame as shown, at the window's zoom and look.
  QImage shownImage() const { return shown_; }
  // Saves the shown image as PNG; an empty string on success, else the reason.
  QString saveSnapshot(const QString& path) const;
  // "保存画面": a new file sign-<date>-<time>.png in the snapshot folder; the status line tells.
  void saveToFolder();

  // Moves the window to the bottom right corner of its screen's available area.
  void placeOnScreen() { keepOnScreen(true); }

  const SignShow& signShow() const { return show_; }
  int zoom() const { return zoom_; }
  QString statusText() const;

  QPushButton* allButton = nullptr;
  QPushButton* lineButtons[6] = {};
  QPushButton* saveButton = nullptr;
  QLabel* statusLine = nullptr;
  QLabel* messageLine = nullptr;
  QTimer* timer = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void chooseLine(int line);
  void resizeToSign();
  QSize windowFrame() const;  // the window manager's frame, both sides together
  // What the window adds around the sign view: frame, margins, the lines and the buttons.
  QSize aroundSign() const;
  // Moves the window inside its screen's available area, to the bottom right corner or by as
  // little as it takes.
  void keepOnScreen(bool toCorner);

  CardStore& store_;
  DisplayOptions options_;
  SignShow show_;
  SignView* view_ = nullptr;
  QImage shown_;
  int zoom_ = 1;
  QSize laidOutFor_;
  std::function<QDateTime()> hostClock_ = [] { return QDateTime::currentDateTime(); };
};

// Runs the sign window for a running card until quit; stopRequested is polled (signals).
// With a snapshot file in the options: saves it after the given time and returns 0, or 1 when
// it could not be written.
int runDisplay(char* programName, Card& card, const DisplayOptions& options,
               std::function<bool()> stopRequested);

}  // namespace signsim

#pragma once

#include <QDialog>

#include "EffectStepper.h"
#include "ProgramStore.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class Prompt;
class Workspace;

// The preview: a borderless black window as large as the sign that plays one program with the
// play mode, speed and dwell time it is given, over and over, until the operator stops it or
// closes the window. The effects come from EffectStepper; the window only
// places its elements where the stepper says.
class TLedViewForm : public QDialog {
  Q_OBJECT
 public:
  TLedViewForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);

  // Shows the window modally for program n with these play settings.
  void play(int n, const PlaySettings& settings);
  // Chooses what the next showing plays, without showing the window.
  void setProgram(int n, const PlaySettings& settings);

  // Controls.
  QLabel* Image1 = nullptr;   // the program picture, as large as its file
  QWidget* Panel2 = nullptr;  // the black cover panel, always above the picture
  QTimer* Timer1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* Play1 = nullptr;  // 播放
  QAction* Stop1 = nullptr;  // 停止
  QAction* Exit1 = nullptr;  // 退出

  // Double-clicks on the window, the picture or the cover: play, stop, exit.
  int DoubleClickCount = 0;

  // Handlers.
  void FormShow();  // Open: the chosen program on a window of the sign's size
  void Play1Click();
  void Stop1Click();
  void Exit1Click();
  void FormDblClick();
  void Timer1Timer();

  const EffectStepper& stepper() const { return stepper_; }
  bool pictureLoaded() const { return pictureLoaded_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void applyScene();
  void centreOnScreen();

  Workspace& ws_;
  Prompt& prompt_;
  int program_ = 0;
  PlaySettings settings_;
  EffectStepper stepper_;
  QWidget* bars_ = nullptr;  // the shrinking bars of modes 14 and 15, above the picture
  bool pictureLoaded_ = false;
};

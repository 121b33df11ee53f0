#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// What the preview window shows at one moment. Positions are top-left corners in window
// coordinates; the window clips whatever lies outside it.
struct PreviewScene {
  enum class Bars { None, Vertical, Horizontal };

  QPoint picture;
  bool pictureVisible = false;
  QRect cover;  // the black cover panel, always above the picture
  bool coverVisible = false;
  Bars bars = Bars::None;  // the shrinking bars of modes 14 and 15, above the picture
  int barWidth = 0;

  bool operator==(const PreviewScene&) const = default;
};

// The preview player's effects without a widget: the state of the preview window between Open
// and Exit, advanced one timer tick at a time. The window and the virtual controller's sign
// display apply the scene it yields; the timer itself belongs to them, at interval().
//
// Play modes 0 to 13 move the picture and the cover exactly as the sign's own player does,
// including its quirks, which the sign shows too (a picture narrower than half the sign never
// arrives in modes 1 and 12; modes 10 and 11 stay outside a sign narrower than it is tall; the
// cover of modes 7 and 8 keeps its height until the next open).
//
// Modes 14 "递减条竖" and 15 "递减条横" (shrinking bars): the picture stands at (0, 0) behind a
// set of black bars, vertical in mode 14 and horizontal in mode 15, one every 8 pixels from the
// picture's left (top) edge. Each tick the bars shrink by one pixel, keeping their left (top)
// edge, from their full width of 8 pixels, which hides the whole picture, to nothing; the tick
// on which they reach nothing is the arrival, and the dwell follows as in the moving modes. The
// next transition starts again with full bars.
//
// Play speed 4 ("较慢") ticks every 15 ms, between "慢" (20 ms) and "最慢" (10 ms).
class EffectStepper {
 public:
  enum Mode {
    ShowAtOnce = 0,
    MoveLeft = 1,
    MoveRight = 2,
    MoveUp = 3,
    MoveDown = 4,
    OpenFromLeft = 5,
    OpenFromRight = 6,
    OpenFromTop = 7,
    OpenFromBottom = 8,
    Flash = 9,
    EnterDiagonally = 10,
    EnterOtherDiagonal = 11,
    MoveInOutLeft = 12,
    MoveInOutRight = 13,
    ShrinkingVerticalBars = 14,
    ShrinkingHorizontalBars = 15,
  };

  static constexpr int StartInterval = 100;  // ms, until the first play sets one
  static constexpr int BarPitch = 8;

  // The three play settings taken from the main window's controls when play starts.
  struct Settings {
    int mode = OpenFromLeft;
    int speed = 0;
    int dwellSeconds = 0;
  };

  // The tick interval of a play speed 0 .. 5; none for any other speed, which keeps the timer's.
  static std::optional<int> intervalForSpeed(int speed);
  // The dwell limit of a dwell time, taken as a signed 16-bit number: 250 per second.
  static int dwellLimitFor(int dwellSeconds);

  // Open: a new sign and picture size; counters reset, nothing visible, the cover as large as
  // the picture. The interval stays what the last play set.
  void open(QSize sign, QSize picture);
  // Play: takes mode, speed and dwell time; the transition goes on where it stood.
  void play(const Settings& settings);
  // Stop: hides the picture, the cover and the bars; the counters stay.
  void stop();
  // One timer tick of the current mode.
  const PreviewScene& tick();

  const PreviewScene& scene() const { return scene_; }
  // The bars of the scene, in window coordinates, clipped to the picture.
  QList<QRect> barRects() const;

  int interval() const { return interval_; }
  int mode() const { return mode_; }
  int speed() const { return speed_; }
  int dwellLimit() const { return dwellLimit_; }
  int stepCounter() const { return stepCounter_; }
  int dwellCounter() const { return dwellCounter_; }
  QSize sign() const { return {signWidth_, signHeight_}; }
  QSize picture() const { return {pictureWidth_, pictureHeight_}; }

 private:
  void dwellTick();
  void moveStep();
  void openStep();
  void barsStep();
  int diagonalRatio() const;

  int signWidth_ = 0;
  int signHeight_ = 0;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  int mode_ = OpenFromLeft;
  int speed_ = 10;
  int dwellLimit_ = 2000;
  int interval_ = StartInterval;
  int stepCounter_ = 0;
  int dwellCounter_ = 0;
  PreviewScene scene_;
};

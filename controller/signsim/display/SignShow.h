#pragma once
// The sign's show without a widget: which program plays, which frame the sign shows and when the
// next tick comes. It follows what a card holds (programs, input-line table, size, brightness,
// day and night levels, on/off times, clock) and plays the programs with the preview's effect
// stepper, so the sign and the preview move alike.

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

#include "CardStore.h"
#include "EffectStepper.h"

namespace signsim {

class SignShow {
 public:
  static constexpr int IdleInterval = 100;  // ms between looks at a card without programs
  static constexpr int FullLevel = 32;
  static constexpr int DayStartHour = 7;
  static constexpr int NightStartHour = 19;

  struct Program {
    QImage picture;  // RGB32, pure LED colours
    int mode = 0;
    int speed = 0;
    int dwell = 0;
  };

  // Takes the card's present state. Parameters are copied on every call, programs only after a
  // new send. A new send, a new sign size or a changed list of the chosen input line restarts the
  // show from its first program; the return value says whether it restarted.
  bool follow(CardStore& store);

  // One tick of the playing program. When a program's turn has ended, the tick first opens the
  // next one (after the last, the first again), so the sign is never blank between programs.
  void tick();
  // The time to the next tick in ms: the playing program's speed, IdleInterval without programs.
  int interval() const;

  // Input lines 0..5: the show plays that line's programs in a loop. A line without a stored
  // program changes nothing and returns false.
  bool selectLine(int line);
  // Back to all programs, from the first.
  void selectAll();
  int line() const { return line_; }  // -1: all programs

  // The program playing (its number on the card), -1 when none.
  int playing() const;
  int playingIndex() const { return pos_; }  // position in the list being played
  int listSize() const { return int(order_.size()); }
  int programCount() const { return int(programs_.size()); }
  const Program* program(int n) const;
  const EffectStepper& stepper() const { return stepper_; }
  const CardConfig& config() const { return config_; }
  QSize signSize() const { return {config_.width, config_.height}; }

  // The card's clock for a moment of the host's clock.
  QDateTime cardClock(const QDateTime& hostNow) const;
  // The brightness level 1..32 in force at a time of the card's clock.
  int levelAt(const QTime& cardTime) const;
  // Whether the sign is switched on at a time of the card's clock (on/off times; equal times
  // mean always on).
  bool litAt(const QTime& cardTime) const;
  // What the sign shows at this moment of the card's clock: W x H, RGB32, the stepper's scene
  // with the brightness applied; black while switched off or without programs.
  QImage frame(const QDateTime& cardNow) const;
  // The scene without brightness and switching, at full level.
  QImage scene() const;

 private:
  void rebuildOrder();
  void restart();
  void startTurn();
  bool turnHasDwell() const;

  CardConfig config_;
  ProgramIoTable io_{};
  uint64_t version_ = 0;
  bool loaded_ = false;
  std::vector<Program> programs_;
  std::vector<int> order_;  // program numbers of the list being played
  int line_ = -1;
  int pos_ = -1;
  bool turnDone_ = false;
  int ticksInTurn_ = 0;
  int holdTicks_ = 1;
  EffectStepper stepper_;
};

}  // namespace signsim

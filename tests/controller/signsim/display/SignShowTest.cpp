// The sign's show without a window: order, turns, timing by ticks, brightness, switching,
// input lines and a send during the show, on a card store held in memory.

#include <gtest/gtest.h>

#include <cstring>

#include <QTemporaryDir>

#include "Program.h"
#include "Session.h"
#include "SignShow.h"

using signsim::CardStore;
using signsim::SignShow;

namespace {

// A program to send: its play settings and the size of its picture.
struct ProgramShape {
  int mode = 0;
  int speed = 0;
  int dwell = 0;
  int width = 64;
  int height = 32;
};

// Program k is red with a yellow pixel at (k, 0), so frames tell the programs apart.
void send(CardStore& store, const std::vector<ProgramShape>& shapes) {
  std::vector<uint8_t> stream;
  for (size_t k = 0; k < shapes.size(); ++k) {
    nq::Image img(shapes[k].width, shapes[k].height);
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x) img.px(x, y)[0] = 255;
    img.px(int(k), 0)[1] = 255;
    nq::ProgramSettings s{3, shapes[k].mode, shapes[k].speed, shapes[k].dwell};
    nq::encodeProgram(stream, img, s);
  }
  std::lock_guard lock(store.mutex());
  ASSERT_TRUE(store.replacePrograms(int(shapes.size()), std::move(stream)));
}

void configure(CardStore& store, const std::function<void(signsim::CardConfig&)>& change) {
  std::lock_guard lock(store.mutex());
  change(store.config());
}

QDateTime at(int hour, int minute) { return QDateTime(QDate(2026, 12, 8), QTime(hour, minute)); }

// Ticks the show until another program plays; the number of ticks of the turn that ended.
int turnLength(SignShow& show) {
  const int first = show.playing();
  for (int n = 1; n < 100000; ++n) {
    show.tick();
    if (show.playing() != first) return n - 1;
  }
  return -1;
}

TEST(SignShow, PlaysProgramsInOrderAndStartsAgainAfterTheLast) {
  CardStore store("");
  SignShow show;
  EXPECT_TRUE(show.follow(store));
  show.tick();
  EXPECT_EQ(show.playing(), -1);
  EXPECT_EQ(show.interval(), SignShow::IdleInterval);

  send(store, {{}, {}, {}});
  ASSERT_TRUE(show.follow(store));
  EXPECT_FALSE(show.follow(store));  // nothing new
  std::vector<int> seen;
  for (int i = 0; i < 7; ++i) {
    show.tick();
    seen.push_back(show.playing());
    EXPECT_EQ(show.scene().pixel(seen.back(), 0), qRgb(255, 255, 0)) << "tick " << i;
  }
  EXPECT_EQ(seen, std::vector<int>({0, 1, 2, 0, 1, 2, 0}));
}

// A turn is the stepper's whole cycle: transition, dwell (about 125 ms per second of dwell at
// the preview's pace) and, where the mode has one, the way out.
TEST(SignShow, TurnLengthAndIntervalFollowModeSpeedAndDwell) {
  struct Row {
    const char* what;
    ProgramShape shape;
    int ticks;
    int interval;
  };
  const Row rows[] = {
      {"show at once holds for the dwell", {0, 0, 5}, 13, 50},
      {"show at once without dwell", {0, 5, 0}, 1, 10},
      {"flash holds for the dwell", {9, 3, 2}, 13, 20},
      {"open from the left: 64 steps, 12 dwell ticks", {5, 0, 5}, 76, 50},
      {"move left: 65 steps, 6 dwell ticks", {1, 3, 1}, 71, 20},
      {"move up: in, dwell, out to twice the height", {3, 1, 0}, 65, 40},
      {"move left, picture under half the sign: never arrives", {1, 2, 9, 16, 32}, 32, 30},
      {"shrinking bars: 9 steps (8 wide to none), 1 dwell tick", {14, 4, 0}, 10, 15},
  };
  for (const Row& r : rows) {
    CardStore store("");
    send(store, {r.shape, {}});
    SignShow show;
    show.follow(store);
    EXPECT_EQ(show.interval(), r.interval) << r.what;
    EXPECT_EQ(turnLength(show), r.ticks) << r.what;
  }
}

TEST(SignShow, BrightnessDimsLitDotsByDayAndNight) {
  struct Row {
    int brightness;
    bool dayNight;
    QDateTime when;
    int level;
  };
  const Row rows[] = {
      {16, false, at(12, 0), 16}, {32, false, at(3, 0), 32}, {16, true, at(7, 0), 30},
      {16, true, at(18, 59), 30}, {16, true, at(19, 0), 4},  {16, true, at(6, 59), 4},
  };
  for (const Row& r : rows) {
    CardStore store("");
    send(store, {{}});
    configure(store, [&](signsim::CardConfig& c) {
      c.brightness = r.brightness;
      c.dayNight = r.dayNight;
      c.day = 30;
      c.night = 4;
      c.onOff[0] = c.onOff[2] = 0;  // always on
    });
    SignShow show;
    show.follow(store);
    show.tick();
    const QImage f = show.frame(r.when);
    const QString what = r.when.time().toString();
    EXPECT_EQ(show.levelAt(r.when.time()), r.level) << what.toStdString();
    EXPECT_EQ(f.pixel(5, 5), qRgb(255 * r.level / 32, 0, 0)) << what.toStdString();
    EXPECT_EQ(f.pixel(0, 0), qRgb(255 * r.level / 32, 255 * r.level / 32, 0));
  }
  CardStore store("");
  send(store, {{}});
  configure(store, [](signsim::CardConfig& c) { c.onOff[0] = c.onOff[2] = 0; });
  SignShow show;
  show.follow(store);
  show.tick();
  EXPECT_EQ(show.frame(at(12, 0)).pixel(5, 5), qRgb(127, 0, 0));  // the card's 16 halves
}

// The last of the two brightness changes is in force, and the card keeps which it was.
TEST(SignShow, DayNightLevelsRuleUntilTheOneLevelIsChangedAgain) {
  QTemporaryDir dir;
  const std::string stateDir = dir.path().toStdString();
  auto change = [&](nq::Cmd cmd, std::vector<int32_t> values) {
    CardStore store(stateDir);
    signsim::FaultTable faults;
    signsim::Session session({&store, &faults, [] { return NetParaRecord{}; }});
    nq::Writer w;
    for (int32_t v : values) w.i32(v);
    std::vector<uint8_t> frame;
    nq::encodeFrame(frame, uint8_t(cmd), 1, 0, w.b);
    session.onBytes(frame);
  };
  auto dayNight = [&] {
    CardStore store(stateDir);  // as the card finds it after a restart
    SignShow show;
    show.follow(store);
    return show.config().dayNight;
  };
  EXPECT_FALSE(dayNight());
  change(nq::Cmd::SetDayNight, {30, 4});
  EXPECT_TRUE(dayNight());
  change(nq::Cmd::SetBrightness, {20});
  EXPECT_FALSE(dayNight());
}

TEST(SignShow, OutsideTheOnOffTimesTheSignIsBlack) {
  struct Row {
    int on[2], off[2];
    QDateTime when;
    bool lit;
  };
  const Row rows[] = {
      {{7, 0}, {23, 0}, at(7, 0), true},    {{7, 0}, {23, 0}, at(22, 59), true},
      {{7, 0}, {23, 0}, at(23, 0), false},  {{7, 0}, {23, 0}, at(6, 59), false},
      {{22, 30}, {6, 0}, at(23, 0), true},  {{22, 30}, {6, 0}, at(5, 59), true},
      {{22, 30}, {6, 0}, at(12, 0), false}, {{9, 0}, {9, 0}, at(3, 0), true},
  };
  for (const Row& r : rows) {
    CardStore store("");
    send(store, {{}});
    configure(store, [&](signsim::CardConfig& c) {
      c.brightness = 32;
      c.onOff[0] = r.on[0];
      c.onOff[1] = r.on[1];
      c.onOff[2] = r.off[0];
      c.onOff[3] = r.off[1];
    });
    SignShow show;
    show.follow(store);
    show.tick();
    const QImage f = show.frame(r.when);
    EXPECT_EQ(f.pixel(5, 5), r.lit ? qRgb(255, 0, 0) : qRgb(0, 0, 0))
        << r.on[0] << ":" << r.on[1] << "-" << r.off[0] << ":" << r.off[1] << " at "
        << r.when.time().toString().toStdString();
  }
}

TEST(SignShow, ClockOffsetMovesTheCardsClock) {
  CardStore store("");
  configure(store, [](signsim::CardConfig& c) { c.clockOffset = -3600; });
  SignShow show;
  show.follow(store);
  EXPECT_EQ(show.cardClock(at(12, 0)), at(11, 0));
}

TEST(SignShow, AnInputLinePlaysOnlyItsList) {
  CardStore store("");
  send(store, {{}, {}, {}});
  ProgramIoTable io{};
  io.lines[2] = {3, {2, 0, 9}};  // 9 is not stored: skipped
  io.lines[4] = {2, {7, 8}};     // names nothing stored
  {
    std::lock_guard lock(store.mutex());
    store.setIoTable(io);
  }
  SignShow show;
  show.follow(store);
  show.tick();
  show.tick();
  ASSERT_TRUE(show.selectLine(2));
  auto play = [&](int ticks) {
    std::vector<int> seen;
    for (int i = 0; i < ticks; ++i) {
      show.tick();
      seen.push_back(show.playing());
    }
    return seen;
  };
  EXPECT_EQ(play(5), std::vector<int>({2, 0, 2, 0, 2}));
  for (int empty : {0, 4}) EXPECT_FALSE(show.selectLine(empty)) << empty;  // nothing changes
  EXPECT_EQ(show.line(), 2);
  EXPECT_EQ(play(2), std::vector<int>({0, 2}));
  show.selectAll();
  EXPECT_EQ(play(4), std::vector<int>({0, 1, 2, 0}));

  // A changed list of the chosen line restarts it; a list left empty returns to all programs.
  ASSERT_TRUE(show.selectLine(2));
  io.lines[2] = {1, {1}};
  {
    std::lock_guard lock(store.mutex());
    store.setIoTable(io);
  }
  EXPECT_TRUE(show.follow(store));
  EXPECT_EQ(play(2), std::vector<int>({1, 1}));
  io.lines[2] = {0, {}};
  {
    std::lock_guard lock(store.mutex());
    store.setIoTable(io);
  }
  EXPECT_TRUE(show.follow(store));
  EXPECT_EQ(show.line(), -1);
}

TEST(SignShow, ASendDuringTheShowRestartsItWithTheNewPrograms) {
  CardStore store("");
  send(store, {{5, 0, 5}, {5, 0, 5}});
  SignShow show;
  show.follow(store);
  for (int i = 0; i < 100; ++i) show.tick();
  ASSERT_EQ(show.playing(), 1);
  send(store, {{0, 0, 0, 32, 16}});  // a smaller picture, shown at once
  EXPECT_TRUE(show.follow(store));
  EXPECT_EQ(show.programCount(), 1);
  show.tick();
  EXPECT_EQ(show.playing(), 0);
  const QImage s = show.scene();
  EXPECT_EQ(s.pixel(31, 15), qRgb(255, 0, 0));
  EXPECT_EQ(s.pixel(32, 16), qRgb(0, 0, 0));

  configure(store, [](signsim::CardConfig& c) { c.width = 48; });
  EXPECT_TRUE(show.follow(store));  // a new sign size restarts too
  EXPECT_EQ(show.signSize(), QSize(48, 32));
}

}  // namespace

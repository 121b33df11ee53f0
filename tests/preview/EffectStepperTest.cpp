// The preview's effects, tick by tick. Every expected sequence below was worked out by hand from
// the preview's rules and the stepper's own description of modes 14 and 15.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "../support/ParamNames.h"
#include "EffectStepper.h"

void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
void PrintTo(const QRect& r, std::ostream* os) {
  *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace {

constexpr int Fastest = 0;  // 50 ms

EffectStepper playing(QSize sign, QSize picture, int mode, int speed = Fastest, int dwell = 0) {
  EffectStepper stepper;
  stepper.open(sign, picture);
  stepper.play({mode, speed, dwell});
  return stepper;
}

std::vector<QPoint> picturePositions(EffectStepper& stepper, int ticks) {
  std::vector<QPoint> positions;
  for (int i = 0; i < ticks; ++i) positions.push_back(stepper.tick().picture);
  return positions;
}

std::vector<QRect> coverRects(EffectStepper& stepper, int ticks) {
  std::vector<QRect> rects;
  for (int i = 0; i < ticks; ++i) rects.push_back(stepper.tick().cover);
  return rects;
}

// Ticks until the picture arrives (DwellCounter becomes non-zero); returns the ticks taken.
int ticksToArrival(EffectStepper& stepper, int limit = 10000) {
  for (int i = 1; i <= limit; ++i) {
    stepper.tick();
    if (stepper.dwellCounter() != 0) return i;
  }
  return -1;
}

// ---------------------------------------------------------------------------------------------
// Moving modes: the picture's position on each tick from the start, with a dwell of 0 s (the
// dwell is the one tick after the arrival on which the picture stays).

struct MovingRow {
  std::string name;
  int mode;
  QSize sign;
  QSize picture;
  std::vector<QPoint> positions;
};
void PrintTo(const MovingRow& row, std::ostream* os) { *os << row.name; }

std::vector<QPoint> alongX(std::initializer_list<int> xs) {
  std::vector<QPoint> v;
  for (int x : xs) v.emplace_back(x, 0);
  return v;
}
std::vector<QPoint> alongY(std::initializer_list<int> ys) {
  std::vector<QPoint> v;
  for (int y : ys) v.emplace_back(0, y);
  return v;
}
std::vector<QPoint> atX(int x, std::initializer_list<int> ys) {
  std::vector<QPoint> v;
  for (int y : ys) v.emplace_back(x, y);
  return v;
}

class MovingModes : public ::testing::TestWithParam<MovingRow> {};

TEST_P(MovingModes, PicturePositionsTickByTick) {
  const MovingRow& row = GetParam();
  EffectStepper stepper = playing(row.sign, row.picture, row.mode);
  EXPECT_FALSE(stepper.scene().pictureVisible);
  EXPECT_EQ(picturePositions(stepper, static_cast<int>(row.positions.size())), row.positions);
  EXPECT_TRUE(stepper.scene().pictureVisible);
  EXPECT_FALSE(stepper.scene().coverVisible);
}

INSTANTIATE_TEST_SUITE_P(
    Preview, MovingModes,
    ::testing::Values(
        // Arrives at x = 0 on tick 9 = W + 1, dwells one tick, enters again from the right edge.
        MovingRow{"MoveLeft", 1, {8, 4}, {8, 4}, alongX({8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 8, 7})},
        MovingRow{
            "MoveRight", 2, {8, 4}, {8, 4}, alongX({-8, -7, -6, -5, -4, -3, -2, -1, 0, 0, -8, -7})},
        // After the dwell it moves on upward and out (StepCounter 5, 6, 7 reaches 2 × PH = 8 and
        // wraps), then enters again from below.
        MovingRow{"MoveUp", 3, {8, 4}, {8, 4}, alongY({4, 3, 2, 1, 0, 0, -1, -2, -3, 4, 3})},
        MovingRow{"MoveDown", 4, {8, 4}, {8, 4}, alongY({-4, -3, -2, -1, 0, 0, 1, 2, 3, -4, -3})},
        // DiagonalRatio 16 div 4 = 4: x moves 4 pixels per tick, y one; y is watched.
        MovingRow{"EnterDiagonally",
                  10,
                  {16, 4},
                  {16, 4},
                  {{-16, -4},
                   {-12, -3},
                   {-8, -2},
                   {-4, -1},
                   {0, 0},
                   {0, 0},
                   {4, 1},
                   {8, 2},
                   {12, 3},
                   {-16, -4},
                   {-12, -3}}},
        MovingRow{"EnterOtherDiagonal",
                  11,
                  {16, 4},
                  {16, 4},
                  {{16, -4},
                   {12, -3},
                   {8, -2},
                   {4, -1},
                   {0, 0},
                   {0, 0},
                   {-4, 1},
                   {-8, 2},
                   {-12, 3},
                   {16, -4},
                   {12, -3}}},
        // Modes 12 and 13 keep StepCounter over the dwell: they move on and out on the far side.
        MovingRow{"MoveInOutLeft",
                  12,
                  {8, 4},
                  {8, 4},
                  alongX({-8, -7, -6, -5, -4, -3, -2, -1, 0, 0, 1, 2, 3, 4, 5, 6, 7, -8, -7})},
        MovingRow{"MoveInOutRight",
                  13,
                  {8, 4},
                  {8, 4},
                  alongX({8, 7, 6, 5, 4, 3, 2, 1, 0, 0, -1, -2, -3, -4, -5, -6, -7, 8, 7})},
        // A picture 6 wide on a sign 16 wide: StepCounter wraps at 12 with x still at 5.
        MovingRow{"MoveLeftNarrowPictureWraps",
                  1,
                  {16, 4},
                  {6, 4},
                  alongX({16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 16, 15})},
        MovingRow{"MoveInOutLeftNarrowPictureWraps",
                  12,
                  {16, 4},
                  {6, 4},
                  alongX({-16, -15, -14, -13, -12, -11, -10, -9, -8, -7, -6, -5, -16, -15})},
        // A sign 4 wide and 8 tall: DiagonalRatio 0, x stays at -W or W, y still arrives.
        MovingRow{"EnterDiagonallyTallSign",
                  10,
                  {4, 8},
                  {4, 8},
                  atX(-4, {-8, -7, -6, -5, -4, -3, -2, -1, 0, 0, 1, 2, 3, 4, 5, 6, 7, -8})},
        MovingRow{"EnterOtherDiagonalTallSign",
                  11,
                  {4, 8},
                  {4, 8},
                  atX(4, {-8, -7, -6, -5, -4, -3, -2, -1, 0, 0, 1, 2, 3, 4, 5, 6, 7, -8})}),
    [](const auto& row) { return row.param.name; });

TEST(MovingModesEdges, MoveLeftOnA64WideSignArrivesAfterW1TicksAndRestartsAtTheEdge) {
  EffectStepper stepper = playing({64, 32}, {64, 32}, EffectStepper::MoveLeft);
  for (int t = 1; t <= 64; ++t) {
    stepper.tick();
    ASSERT_EQ(stepper.scene().picture.x(), 65 - t) << "tick " << t;
    ASSERT_EQ(stepper.dwellCounter(), 0) << "tick " << t;
  }
  stepper.tick();
  EXPECT_EQ(stepper.scene().picture, QPoint(0, 0));
  EXPECT_EQ(stepper.dwellCounter(), 1);
  stepper.tick();  // the dwell of 0 s
  EXPECT_EQ(stepper.dwellCounter(), 0);
  EXPECT_EQ(stepper.tick().picture, QPoint(64, 0));
}

TEST(MovingModesEdges, NarrowPictureNeverArrivesInModes1And12) {
  for (int mode : {1, 12}) {
    EffectStepper stepper = playing({16, 4}, {7, 4}, mode);
    for (int t = 0; t < 500; ++t) {
      stepper.tick();
      ASSERT_NE(stepper.scene().picture.x(), 0) << "mode " << mode;
      ASSERT_EQ(stepper.dwellCounter(), 0) << "mode " << mode;
    }
  }
}

TEST(MovingModesEdges, MoveUpContinuesUpwardAfterTheDwell) {
  EffectStepper stepper = playing({8, 8}, {8, 8}, EffectStepper::MoveUp, Fastest, 5);
  ASSERT_EQ(ticksToArrival(stepper), 9);
  while (stepper.dwellCounter() != 0) stepper.tick();
  // StepCounter stood at 9 over the dwell: y = 8 − 9, … until it reaches 16, then y = H.
  EXPECT_EQ(picturePositions(stepper, 9), alongY({-1, -2, -3, -4, -5, -6, -7, 8, 7}));
}

// ---------------------------------------------------------------------------------------------
// Opening modes: the picture stays at (0, 0); the cover panel's rectangle on each tick.

struct OpeningRow {
  std::string name;
  int mode;
  QSize sign;
  QSize picture;
  std::vector<QRect> covers;
};
void PrintTo(const OpeningRow& row, std::ostream* os) { *os << row.name; }

class OpeningModes : public ::testing::TestWithParam<OpeningRow> {};

TEST_P(OpeningModes, CoverTickByTick) {
  const OpeningRow& row = GetParam();
  EffectStepper stepper = playing(row.sign, row.picture, row.mode);
  EXPECT_FALSE(stepper.scene().coverVisible);
  EXPECT_EQ(coverRects(stepper, static_cast<int>(row.covers.size())), row.covers);
  EXPECT_TRUE(stepper.scene().coverVisible);
  EXPECT_TRUE(stepper.scene().pictureVisible);
  EXPECT_EQ(stepper.scene().picture, QPoint(0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Preview, OpeningModes,
    ::testing::Values(
        // 8 steps, the dwell (one tick at 0 s) with the cover where the last step left it, then a
        // full cover again.
        OpeningRow{"OpenFromLeft",
                   5,
                   {8, 4},
                   {8, 4},
                   {{0, 0, 8, 4},
                    {1, 0, 8, 4},
                    {2, 0, 8, 4},
                    {3, 0, 8, 4},
                    {4, 0, 8, 4},
                    {5, 0, 8, 4},
                    {6, 0, 8, 4},
                    {7, 0, 8, 4},
                    {7, 0, 8, 4},
                    {0, 0, 8, 4}}},
        OpeningRow{"OpenFromRight",
                   6,
                   {8, 4},
                   {8, 4},
                   {{0, 0, 8, 4},
                    {-1, 0, 8, 4},
                    {-2, 0, 8, 4},
                    {-3, 0, 8, 4},
                    {-4, 0, 8, 4},
                    {-5, 0, 8, 4},
                    {-6, 0, 8, 4},
                    {-7, 0, 8, 4},
                    {-7, 0, 8, 4},
                    {0, 0, 8, 4}}},
        // A picture 4 high on a sign 6 high: the height is H − StepCounter, the end test PH.
        OpeningRow{
            "OpenFromTop",
            7,
            {8, 6},
            {8, 4},
            {{0, 0, 8, 6}, {0, 1, 8, 5}, {0, 2, 8, 4}, {0, 3, 8, 3}, {0, 3, 8, 3}, {0, 0, 8, 6}}},
        OpeningRow{
            "OpenFromBottom",
            8,
            {8, 6},
            {8, 4},
            {{0, 0, 8, 6}, {0, 0, 8, 5}, {0, 0, 8, 4}, {0, 0, 8, 3}, {0, 0, 8, 3}, {0, 0, 8, 6}}},
        // Picture as high as the sign: the last step leaves a one-pixel cover line.
        OpeningRow{
            "OpenFromTopFullHeight",
            7,
            {8, 4},
            {8, 4},
            {{0, 0, 8, 4}, {0, 1, 8, 3}, {0, 2, 8, 2}, {0, 3, 8, 1}, {0, 3, 8, 1}, {0, 0, 8, 4}}}),
    [](const auto& row) { return row.param.name; });

TEST(OpeningModesEdges, OpenFromLeftOnA64WideSignWalksTheCoverEdgeFrom0To63) {
  EffectStepper stepper = playing({64, 32}, {64, 32}, EffectStepper::OpenFromLeft);
  for (int t = 1; t <= 64; ++t) {
    stepper.tick();
    ASSERT_EQ(stepper.scene().cover, QRect(t - 1, 0, 64, 32)) << "tick " << t;
  }
  EXPECT_EQ(stepper.dwellCounter(), 1);
  EXPECT_EQ(stepper.stepCounter(), 0);
  stepper.tick();  // dwell: the cover stays at 63
  EXPECT_EQ(stepper.scene().cover.x(), 63);
}

TEST(OpeningModesEdges, CoverHeightOfModes7And8StaysUntilTheNextOpen) {
  EffectStepper stepper = playing({8, 6}, {8, 4}, EffectStepper::OpenFromBottom);
  ASSERT_EQ(ticksToArrival(stepper), 4);
  stepper.play({EffectStepper::OpenFromLeft, Fastest, 0});
  stepper.tick();  // the dwell ends
  EXPECT_EQ(stepper.tick().cover, QRect(0, 0, 8, 3));

  stepper.open({8, 6}, {8, 4});
  EXPECT_EQ(stepper.scene().cover, QRect(0, 0, 8, 4));
}

// ---------------------------------------------------------------------------------------------
// Part way on a 64 × 32 sign, where the preview window draws it: after k ticks the picture of
// mode 2 stands at x = −64 + (k − 1), the cover of mode 6 at x = −(k − 1), the covers of modes 7
// and 8 are 32 − (k − 1) high (from y = k − 1 and from the top), and the bars of mode 15 are
// 8 − (k − 1) high, 8 pixels apart.

struct PartWayRow {
  std::string name;
  int mode;
  int ticks;
  QPoint picture;
  QRect cover;  // null when no cover is shown
  QList<QRect> bars;
};
void PrintTo(const PartWayRow& row, std::ostream* os) { *os << row.name; }

class PartWayOnASign64x32 : public ::testing::TestWithParam<PartWayRow> {};

TEST_P(PartWayOnASign64x32, SceneWhereTheRuleSays) {
  const PartWayRow& row = GetParam();
  EffectStepper stepper = playing({64, 32}, {64, 32}, row.mode, Fastest, 5);
  for (int t = 0; t < row.ticks; ++t) stepper.tick();
  const PreviewScene& scene = stepper.scene();
  EXPECT_TRUE(scene.pictureVisible);
  EXPECT_EQ(scene.picture, row.picture);
  EXPECT_EQ(scene.coverVisible ? scene.cover : QRect(), row.cover);
  EXPECT_EQ(stepper.barRects(), row.bars);
}

INSTANTIATE_TEST_SUITE_P(
    Preview, PartWayOnASign64x32,
    ::testing::Values(PartWayRow{"MoveRight", 2, 17, {-48, 0}, {}, {}},
                      PartWayRow{"OpenFromRight", 6, 20, {0, 0}, {-19, 0, 64, 32}, {}},
                      PartWayRow{"OpenFromTop", 7, 10, {0, 0}, {0, 9, 64, 23}, {}},
                      PartWayRow{"OpenFromBottom", 8, 10, {0, 0}, {0, 0, 64, 23}, {}},
                      PartWayRow{"HorizontalBars",
                                 15,
                                 6,
                                 {0, 0},
                                 {},
                                 {{0, 0, 64, 3}, {0, 8, 64, 3}, {0, 16, 64, 3}, {0, 24, 64, 3}}}),
    [](const auto& row) { return row.param.name; });

// ---------------------------------------------------------------------------------------------
// Modes without a dwell.

TEST(ShowAtOnce, PictureAtOriginFromTheFirstTickCoverHidden) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::ShowAtOnce, Fastest, 0);
  EXPECT_FALSE(stepper.scene().pictureVisible);
  for (int t = 0; t < 50; ++t) {
    const PreviewScene& scene = stepper.tick();
    ASSERT_TRUE(scene.pictureVisible);
    ASSERT_EQ(scene.picture, QPoint(0, 0));
    ASSERT_FALSE(scene.coverVisible);
    ASSERT_EQ(stepper.dwellCounter(), 0);
  }
}

TEST(ShowAtOnce, HidesACoverLeftByAnOpeningMode) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::OpenFromLeft);
  stepper.tick();
  ASSERT_TRUE(stepper.scene().coverVisible);
  stepper.play({EffectStepper::ShowAtOnce, Fastest, 0});
  EXPECT_FALSE(stepper.tick().coverVisible);
}

TEST(Flash, PictureShowsOnEveryOtherTick) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::Flash, 3, 5);
  EXPECT_EQ(stepper.interval(), 20);
  std::vector<bool> visible;
  for (int t = 0; t < 6; ++t) visible.push_back(stepper.tick().pictureVisible);
  EXPECT_EQ(visible, (std::vector<bool>{true, false, true, false, true, false}));
  EXPECT_EQ(stepper.scene().picture, QPoint(0, 0));
  EXPECT_EQ(stepper.dwellCounter(), 0);
}

// ---------------------------------------------------------------------------------------------
// Modes 14 and 15: bars 8 pixels apart shrinking from 8 to 0, then the dwell.

TEST(ShrinkingBars, WidthShrinksFromFullToNothingThenDwellsThenStartsFull) {
  for (int mode : {14, 15}) {
    EffectStepper stepper = playing({16, 16}, {16, 16}, mode);
    std::vector<int> widths;
    for (int t = 0; t < 11; ++t) widths.push_back(stepper.tick().barWidth);
    EXPECT_EQ(widths, (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 8})) << "mode " << mode;
    EXPECT_TRUE(stepper.scene().pictureVisible);
    EXPECT_EQ(stepper.scene().picture, QPoint(0, 0));
    EXPECT_FALSE(stepper.scene().coverVisible);
  }
}

TEST(ShrinkingBars, ArrivalIsTheTickOnWhichTheBarsReachNothing) {
  EffectStepper stepper = playing({16, 16}, {16, 16}, EffectStepper::ShrinkingVerticalBars);
  EXPECT_EQ(ticksToArrival(stepper), 9);
  EXPECT_EQ(stepper.scene().barWidth, 0);
}

TEST(ShrinkingBars, FullBarsHideTheWholePicture) {
  EffectStepper stepper = playing({16, 4}, {16, 4}, EffectStepper::ShrinkingVerticalBars);
  stepper.tick();
  EXPECT_EQ(stepper.barRects(), (QList<QRect>{{0, 0, 8, 4}, {8, 0, 8, 4}}));
}

TEST(ShrinkingBars, VerticalBarsKeepTheirLeftEdge) {
  EffectStepper stepper = playing({16, 4}, {16, 4}, EffectStepper::ShrinkingVerticalBars);
  for (int t = 0; t < 6; ++t) stepper.tick();
  EXPECT_EQ(stepper.scene().bars, PreviewScene::Bars::Vertical);
  EXPECT_EQ(stepper.barRects(), (QList<QRect>{{0, 0, 3, 4}, {8, 0, 3, 4}}));
}

TEST(ShrinkingBars, HorizontalBarsKeepTheirTopEdgeAndAreClippedToThePicture) {
  EffectStepper stepper = playing({16, 10}, {16, 10}, EffectStepper::ShrinkingHorizontalBars);
  for (int t = 0; t < 6; ++t) stepper.tick();
  EXPECT_EQ(stepper.scene().bars, PreviewScene::Bars::Horizontal);
  EXPECT_EQ(stepper.barRects(), (QList<QRect>{{0, 0, 16, 3}, {0, 8, 16, 2}}));
}

TEST(ShrinkingBars, NoBarsDuringTheDwell) {
  EffectStepper stepper =
      playing({16, 4}, {16, 4}, EffectStepper::ShrinkingVerticalBars, Fastest, 5);
  ASSERT_EQ(ticksToArrival(stepper), 9);
  stepper.tick();
  EXPECT_TRUE(stepper.barRects().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Dwell arithmetic: how many dwell ticks follow the arrival tick, worked out from
// 2 × DwellCounter × I ≥ seconds × 250 with DwellCounter counting 2, 3, … after the arrival.

struct DwellRow {
  int seconds;
  int speed;
  int dwellTicks;
};
void PrintTo(const DwellRow& r, std::ostream* os) { *os << r.seconds << " s at speed " << r.speed; }

class Dwell : public ::testing::TestWithParam<DwellRow> {};

TEST_P(Dwell, EndsOnTheExpectedTickAfterArrival) {
  const DwellRow& row = GetParam();
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::MoveLeft, row.speed, row.seconds);
  ASSERT_EQ(ticksToArrival(stepper), 9);
  for (int t = 1; t < row.dwellTicks; ++t) {
    stepper.tick();
    ASSERT_EQ(stepper.dwellCounter(), t + 1) << "dwell tick " << t;
    ASSERT_EQ(stepper.scene().picture, QPoint(0, 0));
  }
  stepper.tick();
  EXPECT_EQ(stepper.dwellCounter(), 0);
  EXPECT_EQ(stepper.tick().picture, QPoint(8, 0));
}

INSTANTIATE_TEST_SUITE_P(Preview, Dwell,
                         ::testing::Values(DwellRow{5, 0, 12},  // 1250: 2 × 13 × 50 = 1300
                                           DwellRow{0, 0, 1},   // 0: the first dwell tick
                                           DwellRow{1, 3, 6},   // 250: 2 × 7 × 20 = 280
                                           DwellRow{2, 1, 6},   // 500: 2 × 7 × 40 = 560
                                           DwellRow{1, 4, 8},   // 250: 2 × 9 × 15 = 270
                                           DwellRow{1, 5, 12}   // 250: 2 × 13 × 10 = 260
                                           ),
                         [](const auto& p) {
                           return caseName("Dwell", p.param.seconds, "Speed", p.param.speed);
                         });

TEST(DwellLimit, IsTwoHundredFiftyPerSecondOfA16BitDwell) {
  EXPECT_EQ(EffectStepper::dwellLimitFor(0), 0);
  EXPECT_EQ(EffectStepper::dwellLimitFor(5), 1250);
  EXPECT_EQ(EffectStepper::dwellLimitFor(255), 63750);
  EXPECT_EQ(EffectStepper::dwellLimitFor(0x10005), 1250);
  EXPECT_EQ(EffectStepper::dwellLimitFor(0xFFFF), -250);
}

TEST(DwellLimit, OpeningModesDwellLikeTheMovingModes) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::OpenFromRight, Fastest, 5);
  ASSERT_EQ(ticksToArrival(stepper), 8);
  int dwellTicks = 0;
  while (stepper.dwellCounter() != 0) {
    stepper.tick();
    ++dwellTicks;
  }
  EXPECT_EQ(dwellTicks, 12);
}

// ---------------------------------------------------------------------------------------------
// Open, Play, Stop.

TEST(PlaySpeed, IntervalsPerSpeedWithSpeed4At15Ms) {
  EffectStepper stepper;
  EXPECT_EQ(stepper.interval(), 100);
  const int expected[] = {50, 40, 30, 20, 15, 10};
  for (int speed = 0; speed < 6; ++speed) {
    stepper.play({EffectStepper::ShowAtOnce, speed, 0});
    EXPECT_EQ(stepper.interval(), expected[speed]) << "speed " << speed;
  }
  stepper.play({EffectStepper::ShowAtOnce, 0, 0});
  stepper.play({EffectStepper::ShowAtOnce, 4, 0});
  EXPECT_EQ(stepper.interval(), 15);
  stepper.play({EffectStepper::ShowAtOnce, -1, 0});
  EXPECT_EQ(stepper.interval(), 15);
}

TEST(OpenPlayStop, OpenResetsCountersAndHidesEverythingButKeepsTheInterval) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::MoveUp, 2, 7);
  for (int t = 0; t < 6; ++t) stepper.tick();
  stepper.open({16, 8}, {12, 6});
  EXPECT_EQ(stepper.sign(), QSize(16, 8));
  EXPECT_EQ(stepper.picture(), QSize(12, 6));
  EXPECT_EQ(stepper.mode(), 5);
  EXPECT_EQ(stepper.speed(), 10);
  EXPECT_EQ(stepper.dwellLimit(), 2000);
  EXPECT_EQ(stepper.stepCounter(), 0);
  EXPECT_EQ(stepper.dwellCounter(), 0);
  EXPECT_EQ(stepper.interval(), 30);
  EXPECT_FALSE(stepper.scene().pictureVisible);
  EXPECT_FALSE(stepper.scene().coverVisible);
  EXPECT_EQ(stepper.scene().cover, QRect(0, 0, 12, 6));
}

TEST(OpenPlayStop, StopThenPlayResumesTheTransitionWhereItStood) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::MoveLeft);
  EXPECT_EQ(picturePositions(stepper, 3), alongX({8, 7, 6}));
  stepper.stop();
  EXPECT_FALSE(stepper.scene().pictureVisible);
  EXPECT_EQ(stepper.stepCounter(), 3);
  stepper.play({EffectStepper::MoveLeft, Fastest, 0});
  EXPECT_EQ(stepper.tick().picture, QPoint(5, 0));
  EXPECT_TRUE(stepper.scene().pictureVisible);
}

TEST(OpenPlayStop, StopHidesTheCoverAndPlayBringsItBackWhereItStood) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, EffectStepper::OpenFromLeft);
  coverRects(stepper, 3);
  stepper.stop();
  EXPECT_FALSE(stepper.scene().coverVisible);
  EXPECT_FALSE(stepper.scene().pictureVisible);
  stepper.play({EffectStepper::OpenFromLeft, Fastest, 0});
  EXPECT_EQ(stepper.tick().cover, QRect(3, 0, 8, 4));
  EXPECT_TRUE(stepper.scene().coverVisible);
}

TEST(OpenPlayStop, TicksBeforeAnyPlayRunTheOpeningDefaultMode5) {
  EffectStepper stepper;
  stepper.open({8, 4}, {8, 4});
  EXPECT_EQ(stepper.tick().cover, QRect(0, 0, 8, 4));
  EXPECT_EQ(stepper.tick().cover, QRect(1, 0, 8, 4));
}

TEST(OpenPlayStop, UnknownModeChangesNothing) {
  EffectStepper stepper = playing({8, 4}, {8, 4}, 16);
  const PreviewScene before = stepper.scene();
  stepper.tick();
  EXPECT_EQ(stepper.scene(), before);
}

}  // namespace

// The preview window driven through its handlers and explicit ticks, never by the wall clock.
// What it shows is read back from a grab of the window, one pixel row or column at a time.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "Ledview.h"
#include "WorkspaceFixture.h"

namespace {

QImage solid(QSize size, Qt::GlobalColor colour) {
  QImage image(size, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

char letter(QColor c) {
  if (c == QColor(Qt::black)) return '.';
  if (c == QColor(Qt::red)) return 'R';
  if (c == QColor(Qt::green)) return 'G';
  return '?';
}

// A row of pixels as letters: '.' black, 'R' red, 'G' green.
std::string row(const QImage& image, int y) {
  std::string s;
  for (int x = 0; x < image.width(); ++x) s += letter(image.pixelColor(x, y));
  return s;
}

std::string repeat(const std::string& unit, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += unit;
  return s;
}

std::string run(int count, char c) { return std::string(static_cast<size_t>(count), c); }

class Preview : public WorkspaceFixture {
 protected:
  void SetUp() override {
    ws->ScreenWidth = 64;
    ws->ScreenHeight = 32;
    addProgram();
    ws->store().writePicture(0, solid({64, 32}, Qt::red));
  }

  void addProgram() {
    ws->store().append(ws->ProgramCount, 64, 32, 0, 4, QStringLiteral("5"));
    ws->programAppended(64, 32);
  }

  // The play settings the main window hands over when it opens the preview.
  void setPlay(const EffectStepper::Settings& play) {
    form_.setProgram(ws->SelectedProgram, PlaySettings{play.mode, play.speed, play.dwellSeconds});
  }

  void ticks(int count) {
    for (int i = 0; i < count; ++i) form_.Timer1Timer();
  }

  QImage shot() { return form_.grab().toImage(); }

  TLedViewForm form_{*ws, prompt};
};

TEST_F(Preview, OpensABorderlessBlackWindowOfTheSignSizeThatStaysBlackUntilPlay) {
  form_.show();
  EXPECT_EQ(form_.size(), QSize(64, 32));
  EXPECT_TRUE(form_.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("预览"));
  EXPECT_FALSE(form_.Image1->isVisible());
  EXPECT_FALSE(form_.Panel2->isVisible());
  EXPECT_FALSE(form_.Timer1->isActive());
  EXPECT_EQ(row(shot(), 0), run(64, '.'));
  EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(Preview, PictureAndCoverTakeTheSizeOfThePictureFile) {
  ws->store().writePicture(0, solid({100, 20}, Qt::red));
  form_.show();
  EXPECT_EQ(form_.size(), QSize(64, 32));
  EXPECT_EQ(form_.Image1->size(), QSize(100, 20));
  EXPECT_EQ(form_.Panel2->size(), QSize(100, 20));
}

TEST_F(Preview, PlayUsesTheSettingsItWasGiven) {
  setPlay({1, 3, 7});
  form_.show();
  form_.Play1Click();
  EXPECT_TRUE(form_.Timer1->isActive());
  EXPECT_EQ(form_.Timer1->timerType(), Qt::PreciseTimer);
  EXPECT_EQ(form_.Timer1->interval(), 20);
  EXPECT_EQ(form_.stepper().mode(), 1);
  EXPECT_EQ(form_.stepper().dwellLimit(), 1750);

  setPlay({2, 4, 0});
  form_.Play1Click();
  EXPECT_EQ(form_.Timer1->interval(), 15);
  EXPECT_EQ(form_.stepper().mode(), 2);
  EXPECT_EQ(form_.stepper().dwellLimit(), 0);
}

// What the window shows part way through a transition, one row for each thing it draws: the
// picture where the stepper has moved it (mode 1: after k ticks at x = 64 − (k − 1)), the cover
// over it (mode 5: at x = k − 1), the bars (mode 14: 8 − (k − 1) wide) and the bare picture.
// Where the other modes stand part way is the stepper's table.
struct PartWayRow {
  std::string name;
  int mode;
  int ticks;
  std::string expected;  // row 5
};
void PrintTo(const PartWayRow& row, std::ostream* os) { *os << row.name; }

class PreviewPartWay : public Preview, public ::testing::WithParamInterface<PartWayRow> {};

TEST_P(PreviewPartWay, ShowsThePictureWhereTheRuleSays) {
  const PartWayRow& r = GetParam();
  setPlay({r.mode, 0, 5});
  form_.show();
  form_.Play1Click();
  ticks(r.ticks);
  EXPECT_EQ(row(shot(), 5), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PreviewPartWay,
    ::testing::Values(PartWayRow{"MoveLeft", 1, 17, run(48, '.') + run(16, 'R')},
                      PartWayRow{"OpenFromLeft", 5, 20, run(19, 'R') + run(45, '.')},
                      PartWayRow{"VerticalBars", 14, 6, repeat("...RRRRR", 8)},
                      PartWayRow{"ShowAtOnce", 0, 1, run(64, 'R')}),
    [](const auto& p) { return p.param.name; });

TEST_F(Preview, FlashShowsThePictureOnEveryOtherTick) {
  setPlay({9, 3, 5});
  form_.show();
  form_.Play1Click();
  ticks(1);
  EXPECT_EQ(row(shot(), 0), run(64, 'R'));
  ticks(1);
  EXPECT_EQ(row(shot(), 0), run(64, '.'));
}

TEST_F(Preview, PlaysTheSelectedProgram) {
  addProgram();
  ws->store().writePicture(1, solid({64, 32}, Qt::green));
  ws->SelectedProgram = 1;
  setPlay({0, 0, 5});
  form_.show();
  form_.Play1Click();
  ticks(1);
  EXPECT_EQ(row(shot(), 31), run(64, 'G'));
}

TEST_F(Preview, StopBlanksTheWindowAndPlayResumesTheTransition) {
  setPlay({1, 0, 5});
  form_.show();
  form_.Play1Click();
  ticks(3);
  form_.Stop1Click();
  EXPECT_FALSE(form_.Timer1->isActive());
  EXPECT_EQ(row(shot(), 0), run(64, '.'));

  form_.Play1Click();
  EXPECT_TRUE(form_.Timer1->isActive());
  ticks(1);
  EXPECT_EQ(form_.Image1->pos(), QPoint(61, 0));
  EXPECT_EQ(row(shot(), 0), run(61, '.') + run(3, 'R'));
}

TEST_F(Preview, DoubleClicksPlayStopAndExitAndTheNextOpeningCountsAgain) {
  setPlay({0, 0, 5});
  form_.show();
  form_.FormDblClick();
  EXPECT_TRUE(form_.Timer1->isActive());
  form_.FormDblClick();
  EXPECT_FALSE(form_.Timer1->isActive());
  EXPECT_TRUE(form_.isVisible());
  form_.FormDblClick();
  EXPECT_FALSE(form_.isVisible());
  EXPECT_EQ(form_.DoubleClickCount, 0);

  form_.show();
  form_.FormDblClick();
  form_.FormDblClick();
  form_.hide();
  form_.show();
  EXPECT_EQ(form_.DoubleClickCount, 0);
}

TEST_F(Preview, AMouseDoubleClickOnThePictureOrTheCoverReachesTheWindow) {
  setPlay({5, 0, 5});
  form_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
  form_.Play1->trigger();
  EXPECT_EQ(form_.DoubleClickCount, 0);  // the menu leaves the count alone
  ticks(10);
  QTest::mouseDClick(form_.windowHandle(), Qt::LeftButton, {}, QPoint(3, 3));   // picture
  QTest::mouseDClick(form_.windowHandle(), Qt::LeftButton, {}, QPoint(40, 3));  // cover
  EXPECT_EQ(form_.DoubleClickCount, 2);
  EXPECT_FALSE(form_.Timer1->isActive());
}

TEST_F(Preview, TheMenuPlaysStopsAndExits) {
  QStringList texts;
  for (const QAction* action : form_.PopupMenu1->actions()) texts << action->text();
  EXPECT_EQ(texts,
            (QStringList{QStringLiteral("播放"), QStringLiteral("停止"), QStringLiteral("退出")}));
  form_.show();
  form_.Play1->trigger();
  EXPECT_TRUE(form_.Timer1->isActive());
  form_.Stop1->trigger();
  EXPECT_FALSE(form_.Timer1->isActive());
  form_.Play1->trigger();
  form_.Exit1->trigger();
  EXPECT_FALSE(form_.Timer1->isActive());
  EXPECT_FALSE(form_.isVisible());
}

TEST_F(Preview, ClosingTheWindowAnyOtherWayStopsThePlay) {
  form_.show();
  form_.Play1Click();
  form_.reject();  // what Esc does
  EXPECT_FALSE(form_.Timer1->isActive());
}

TEST_F(Preview, ReopeningResetsTheTransitionAndTakesTheNewSignSize) {
  setPlay({1, 0, 5});
  form_.show();
  form_.Play1Click();
  ticks(5);
  form_.Exit1Click();

  ws->ScreenWidth = 48;
  form_.show();
  EXPECT_EQ(form_.size(), QSize(48, 32));
  EXPECT_EQ(form_.stepper().stepCounter(), 0);
  EXPECT_EQ(form_.stepper().dwellCounter(), 0);
  EXPECT_EQ(form_.stepper().mode(), 5);
  EXPECT_EQ(row(shot(), 0), run(48, '.'));
}

TEST_F(Preview, AnUnreadablePictureOpensABlackWindowSaysSoAndPlaysNothing) {
  ASSERT_TRUE(home.write(QStringLiteral("Program/0.bmp"), "not a bitmap"));
  setPlay({0, 0, 5});
  form_.show();
  QCoreApplication::processEvents();
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().startsWith(QStringLiteral("节目1的图片无法读取")))
      << prompt.messages.front().toStdString();

  form_.Play1Click();
  EXPECT_FALSE(form_.Timer1->isActive());
  EXPECT_EQ(row(shot(), 0), run(64, '.'));
  form_.FormDblClick();
  form_.FormDblClick();
  form_.FormDblClick();
  EXPECT_FALSE(form_.isVisible());
  EXPECT_EQ(prompt.messages.size(), 1);
}

}  // namespace

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTimer>

#include "TestHome.h"
#include "Workspace.h"

namespace {

// The size tables move down with the programs, so a check on program n never uses the size of
// the program that was deleted before it.
TEST(Workspace, SizesMoveDownWithTheProgramsOnDelete) {
  TestHome home;
  Workspace ws(home.path());
  const int sizes[][2] = {{32, 16}, {48, 16}, {64, 32}, {96, 48}};
  for (const auto& s : sizes) ws.programAppended(s[0], s[1]);
  QSignalSpy renumbered(&ws, &Workspace::programsRenumbered);

  ws.programDeleted(1);
  EXPECT_EQ(ws.ProgramCount, 3);
  EXPECT_EQ((std::vector<int>{ws.ProgramWidth[0], ws.ProgramWidth[1], ws.ProgramWidth[2]}),
            (std::vector<int>{32, 64, 96}));
  EXPECT_EQ((std::vector<int>{ws.ProgramHeight[0], ws.ProgramHeight[1], ws.ProgramHeight[2]}),
            (std::vector<int>{16, 32, 48}));
  ASSERT_EQ(renumbered.size(), 1);
  EXPECT_EQ(renumbered.front().front().toInt(), 1);

  ws.programDeleted(3);  // past the count: nothing
  EXPECT_EQ(ws.ProgramCount, 3);
  EXPECT_EQ(renumbered.size(), 1);
}

TEST(Workspace, HeartbeatPausesNestAndConnectionChangesAreAnnounced) {
  TestHome home;
  Workspace ws(home.path());
  ws.heartbeat()->start();
  {
    Workspace::HeartbeatPause outer(ws);
    {
      Workspace::HeartbeatPause inner(ws);
      EXPECT_FALSE(ws.heartbeat()->isActive());
    }
    EXPECT_FALSE(ws.heartbeat()->isActive());  // the outer pause still holds
  }
  EXPECT_TRUE(ws.heartbeat()->isActive());

  QSignalSpy changes(&ws, &Workspace::connectionChanged);
  ws.markConnected();
  ws.markConnected();
  ws.commSettings.Transport = QStringLiteral("0");
  ws.markDisconnectedIfNet();  // serial: the link stays
  EXPECT_TRUE(ws.isConnected());
  ws.commSettings.Transport = QStringLiteral("1");
  ws.markDisconnectedIfNet();
  EXPECT_FALSE(ws.isConnected());
  EXPECT_EQ(changes.size(), 2);
}

TEST(Workspace, SignSizeOutsideTheLimitChangesNothing) {
  TestHome home;
  Workspace ws(home.path());
  for (const auto& s : {std::pair{0, 32}, std::pair{32, Workspace::MaxSide + 1}}) {
    ws.setSignSize(s.first, s.second);
    EXPECT_EQ(ws.ScreenWidth, 32);
    EXPECT_EQ(ws.ScreenHeight, 32);
  }
  ws.setSignSize(Workspace::MaxSide, 16);
  EXPECT_EQ(ws.ScreenWidth, Workspace::MaxSide);
}

}  // namespace

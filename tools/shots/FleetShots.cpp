// "大屏管理" part way through a send of a 40-program library to eight virtual cards: two done, two
// still sending, one on a closed port, one whose size the library does not fit, one refusing the
// upload, one not checked. Every job runs in the built ledsignctl.
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTest>

#include "FleetModel.h"
#include "FleetWindow.h"
#include "Language.h"
#include "ProgramStore.h"
#include "Protocol.h"
#include "ScreenShot.h"

namespace {

// Program n: diagonal stripes in the three LED colours.
void addProgram(ProgramStore& store, int n) {
  store.append(n, 128, 64, n % 16, 3, QStringLiteral("5"));
  QImage picture(128, 64, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 0)};
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 128; ++x) picture.setPixel(x, y, colours[((x + y + n) / 3) % 4]);
  store.writePicture(n, picture);
  ProgramEntry entry = store.readEntry(n);
  entry.colour = 3;
  store.writeSettings(n, entry);
}

// Runs the events until `done` holds; false after `ms` without.
bool waitFor(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(20);
  }
  return true;
}

TEST(FleetShots, SendPartWayToEightSigns) {
  ShotHome home;
  ProgramStore store(home.path());
  for (int n = 0; n < 40; ++n) addProgram(store, n);

  struct Sign {
    const char* name;
    const char* englishName;  // in the English pictures
    int height;
    int clockOffset;
    int brightness;
    const char* uploadFault;  // on every chunk of a send, or empty
    bool checked;
  };
  const Sign signs[] = {{"门厅", "Lobby", 64, 124, 16, "", true},
                        {"操场", "Playground", 64, 0, 8, "", true},
                        {"食堂", "Canteen", 64, 0, 16, "delay:400", true},
                        {"仓库", "Store", 0, 0, 0, "", true},
                        {"报告厅", "Hall", 32, 0, 16, "", true},
                        {"东门", "East gate", 64, -42, 16, "", false},
                        {"西门", "West gate", 64, 0, 16, "delay:150", true},
                        {"车间", "Workshop", 64, 0, 16, "refuse:5", true}};
  std::vector<std::unique_ptr<signsim::Card>> cards;
  std::vector<SignEntry> entries;
  for (const Sign& s : signs) {
    SignEntry entry{
        QString::fromUtf8(currentLanguage() == Language::English ? s.englishName : s.name), false,
        QStringLiteral("127.0.0.1"), 1};
    if (s.height) {  // no card: a closed port
      // Raw planes, so that a slow card shows its progress in many steps.
      cards.push_back(startShotCard(128, s.height, 2, 0));
      ASSERT_TRUE(cards.back());
      std::lock_guard lock(cards.back()->store().mutex());
      cards.back()->store().config().clockOffset = s.clockOffset;
      cards.back()->store().config().brightness = s.brightness;
      entry.port = cards.back()->tcpPort();
    }
    entries.push_back(entry);
  }
  SignList::save(home.path(), entries);

  ShotPrompt prompt;
  FleetWindow window(store, prompt);
  window.setToolDirectory(QStringLiteral(LEDSIGN_BIN_DIR));
  window.resize(1180, 420);
  window.open();
  FleetModel& model = window.model();
  QTest::mouseClick(window.RefreshButton, Qt::LeftButton);
  ASSERT_TRUE(waitFor([&] { return !window.busy(); }, 60000));

  for (size_t k = 0, c = 0; k < std::size(signs); ++k) {
    model.setChecked(int(k), signs[k].checked);
    if (!signs[k].height) continue;
    signsim::Card& card = *cards[c++];
    if (*signs[k].uploadFault)
      card.faults().set(int(nq::Cmd::UploadChunk), *signsim::parseFault(signs[k].uploadFault));
  }
  QTest::mouseClick(window.SendButton, Qt::LeftButton);
  // The shot once the rows that end at once have (the two fast cards, the closed port, the size
  // that does not fit and the refusing card) and the faster of the slow cards is half way.
  const auto ended = [&](int r) {
    return model.state(r) == RowState::Succeeded || model.state(r) == RowState::Failed ||
           model.state(r) == RowState::CannotSend;
  };
  const auto progress = [&](int r) {
    return model.index(r, FleetModel::Progress).data(FleetModel::ProgressRole).toInt();
  };
  ASSERT_TRUE(waitFor(
      [&] { return ended(0) && ended(1) && ended(3) && ended(4) && ended(7) && progress(6) >= 50; },
      60000));
  EXPECT_TRUE(window.grab().save(shotFile(QStringLiteral("fleet-window.png"))));

  for (auto& card : cards) card->faults().clear();
  EXPECT_TRUE(waitFor([&] { return !window.busy(); }, 120000));
  for (auto& card : cards) card->stop();
}

}  // namespace

// The progress model of the transfer dialogs: the one-step-per-second rule and the byte figures
// with their remaining time, stepped by hand on a fake clock.
#include <gtest/gtest.h>

#include <QTimer>
#include <deque>

#include "TransferProgress.h"

namespace {

TEST(TransferProgress, StepsOncePerSecondToTwentyEightOfThirty) {
  // After k ticks the bar stands at k - 1, never beyond 28, until the transfer ends.
  const struct {
    int ticks;
    int position;
  } rows[] = {{0, 0}, {1, 0}, {2, 1}, {10, 9}, {29, 28}, {30, 28}, {45, 28}};
  for (const auto& row : rows) {
    TransferProgress progress;
    progress.start([](int*, int*) { return false; });  // a library without the query
    for (int k = 0; k < row.ticks; ++k) {
      progress.poll();
      progress.tick();
    }
    EXPECT_EQ(progress.position(), row.position) << row.ticks << " ticks";
    EXPECT_EQ(progress.maximum(), 30);
    EXPECT_FALSE(progress.showsBytes());
    EXPECT_TRUE(progress.text().isEmpty());
    progress.finish();
    EXPECT_EQ(progress.position(), 30);
    EXPECT_FALSE(progress.tickTimer()->isActive());
  }
}

TEST(TransferProgress, ShowsBytesAndTheRemainingTimeOnceItCanBeEstimated) {
  struct Sample {
    qint64 ms;
    bool answered;
    int done, total;
    int position, maximum;
    const char* text;
  };
  // Rate measured from the first figure: 250 bytes in 1 s leaves 750 bytes, 3 s.
  const std::deque<Sample> samples = {
      {0, false, 0, 0, 0, 30, ""},        // not begun: still the steps
      {200, true, 0, 0, 1, 30, ""},       // a total of 0 says nothing either
      {400, true, 0, 1000, 0, 1000, ""},  // first figure: no rate yet
      {1400, true, 250, 1000, 250, 1000, "剩余约 3 秒"},
      {1600, true, 250, 1000, 250, 1000, "剩余约 4 秒"},
      {2400, true, 1200, 1000, 1000, 1000, ""},  // clamped; nothing left to estimate
  };
  TransferProgress progress;
  qint64 now = 0;
  const Sample* current = nullptr;
  progress.setClock([&] { return now; });
  progress.start([&](int* done, int* total) {
    *done = current->done;
    *total = current->total;
    return current->answered;
  });
  for (const Sample& s : samples) {
    now = s.ms;
    current = &s;
    progress.poll();
    progress.tick();  // ignored once bytes are shown
    EXPECT_EQ(progress.position(), s.position) << s.ms;
    EXPECT_EQ(progress.maximum(), s.maximum) << s.ms;
    EXPECT_EQ(progress.text(), QString::fromUtf8(s.text)) << s.ms;
  }
  EXPECT_TRUE(progress.showsBytes());
  progress.stop();
  EXPECT_FALSE(progress.pollTimer()->isActive());
  EXPECT_EQ(progress.position(), 1000);
}

TEST(TransferProgress, RemainingTimeText) {
  const struct {
    qint64 seconds;
    const char* text;
  } rows[] = {{0, "剩余约 1 秒"},
              {1, "剩余约 1 秒"},
              {59, "剩余约 59 秒"},
              {60, "剩余约 1 分 0 秒"},
              {125, "剩余约 2 分 5 秒"}};
  for (const auto& row : rows)
    EXPECT_EQ(TransferProgress::remainingText(row.seconds), QString::fromUtf8(row.text));
}

}  // namespace

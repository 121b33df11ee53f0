#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <memory>

#include "LinkRunner.h"

namespace {

// A runner's end waits for its running call, whose outcome is then never handed back: a window
// that keeps its runner is never called once it is gone.
TEST(LinkRunner, AnOwnerGoneWhileItsCallRunsIsNeverCalledBack) {
  auto runner = std::make_unique<LinkRunner>();
  bool ended = false;  // read once the runner has waited for the call
  int calls = 0;
  runner->start<bool>([&ended] { return QThread::msleep(200), ended = true; },
                      [&calls](auto&) { ++calls; });
  runner.reset();
  EXPECT_TRUE(ended);
  QCoreApplication::processEvents();
  EXPECT_EQ(calls, 0);
}

}  // namespace

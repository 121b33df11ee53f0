// The rows of the fleet table without a window: each job event and the texts the row shows after
// it, worked out by hand.
#include <gtest/gtest.h>

#include <functional>

#include "FleetModel.h"

namespace {

const QTime kAt(14, 3, 22);

JobOutcome outcome(JobResult result, const QString& reason = {}) {
  JobOutcome o;
  o.result = result;
  o.reason = reason;
  return o;
}

JobOutcome status(int width, int model, int programs, std::optional<qint64> offset) {
  JobOutcome o = outcome(JobResult::Succeeded);
  o.status = SignStatus{QSize(width, 64), model, programs, QStringLiteral("V2.1"), {}, offset, 12};
  return o;
}

// The row's cells from 在线 to 进度, joined with "|", and the bar's value or -1.
QString cells(const FleetModel& m, int row) {
  QStringList texts;
  for (int c = FleetModel::Reachable; c < FleetModel::ColumnCount; ++c)
    texts << m.index(row, c).data().toString();
  const QVariant bar = m.index(row, FleetModel::Progress).data(FleetModel::ProgressRole);
  return texts.join(QLatin1Char('|')) +
         QStringLiteral(" bar %1").arg(bar.isValid() ? bar.toInt() : -1);
}

struct Step {
  const char* event;
  std::function<void(FleetModel&)> apply;
  const char* row;  // cells() after the event
  RowState state;
};

}  // namespace

TEST(FleetModel, JobEventsMoveTheRowThroughItsStates) {
  const auto queued = [](FleetJobKind k, int programs = 0) {
    return [=](FleetModel& m) { m.queued(0, k, programs); };
  };
  const auto finished = [](JobOutcome o) { return [=](FleetModel& m) { m.finished(0, o, kAt); }; };
  const QString refused = QStringLiteral("节目1的大小 64×32 与大屏 320×64 不符");
  const Step steps[] = {
      {"fresh", [](FleetModel&) {}, "未知|320×64（设定）|||||| bar -1", RowState::Idle},
      {"status queued", queued(FleetJobKind::Status), "未知|320×64（设定）||||||等待 bar -1",
       RowState::Queued},
      {"status started", [](FleetModel& m) { m.started(0); },
       "未知|320×64（设定）||||||查询中 bar -1", RowState::Querying},
      {"status reported", finished(status(320, 2, 5, 3)),
       "是|320×64 型号2|V2.1|5|+3 秒|12|| bar -1", RowState::Succeeded},
      {"send queued", queued(FleetJobKind::Send, 7), "是|320×64 型号2|V2.1|5|+3 秒|12||等待 bar -1",
       RowState::Queued},
      {"send started", [](FleetModel& m) { m.started(0); },
       "是|320×64 型号2|V2.1|5|+3 秒|12||0% bar 0", RowState::Sending},
      {"bytes beyond int range once multiplied",
       [](FleetModel& m) { m.progress(0, 1500000000, 2000000000); },
       "是|320×64 型号2|V2.1|5|+3 秒|12||75% bar 75", RowState::Sending},
      {"send succeeded", finished(outcome(JobResult::Succeeded)),
       "是|320×64 型号2|V2.1|7|+3 秒|12|成功 14:03:22|完成 bar 100", RowState::Succeeded},
      {"send failed",
       [&](FleetModel& m) {
         m.queued(0, FleetJobKind::Send, 7);
         m.started(0);
         m.finished(0, outcome(JobResult::Failed, QStringLiteral("连接失败,错误代码：-3")), kAt);
       },
       "是|320×64 型号2|V2.1|7|+3 秒|12|失败 14:03:22：连接失败,错误代码：-3|失败 bar -1",
       RowState::Failed},
      {"status timed out",
       [&](FleetModel& m) {
         m.queued(0, FleetJobKind::Status);
         m.finished(0, outcome(JobResult::TimedOut, QStringLiteral("超过15.0秒没有应答，已结束")),
                    kAt);
       },
       "否|320×64 型号2|V2.1|7|+3 秒|12|失败 14:03:22：连接失败,错误代码：-3|超时 bar -1",
       RowState::TimedOut},
      {"status refused is a failure", finished(outcome(JobResult::Refused, QStringLiteral("x"))),
       "否|320×64 型号2|V2.1|7|+3 秒|12|失败 14:03:22：连接失败,错误代码：-3|失败 bar -1",
       RowState::Failed},
      {"card behind the PC", finished(status(320, 2, 5, -2)),
       "是|320×64 型号2|V2.1|5|-2 秒|12|失败 14:03:22：连接失败,错误代码：-3| bar -1",
       RowState::Succeeded},
      {"unreadable clock", finished(status(64, 1, 0, std::nullopt)),
       "是|64×64 型号1|V2.1|0|未知|12|失败 14:03:22：连接失败,错误代码：-3| bar -1",
       RowState::Succeeded},
      {"send crashed",
       [&](FleetModel& m) {
         m.queued(0, FleetJobKind::Send, 7);
         m.finished(0, outcome(JobResult::Crashed, QStringLiteral("ledsignctl 异常退出")), kAt);
       },
       "是|64×64 型号1|V2.1|0|未知|12|异常退出 14:03:22：ledsignctl 异常退出|异常退出 bar -1",
       RowState::Crashed},
      {"cannot send", [&](FleetModel& m) { m.cannotSend(0, refused, kAt); },
       "是|64×64 型号1|V2.1|0|未知|12|不能发送 14:03:22：节目1的大小 64×32 与大屏 320×64 不符|"
       "不能发送 bar -1",
       RowState::CannotSend},
      {"dropped by a cancel",
       [&](FleetModel& m) {
         m.queued(0, FleetJobKind::Send, 7);
         m.dropped(0);
       },
       "是|64×64 型号1|V2.1|0|未知|12|不能发送 14:03:22：节目1的大小 64×32 与大屏 320×64 不符|"
       "已取消 bar -1",
       RowState::Dropped},
      {"child not started", finished(outcome(JobResult::NotStarted, QStringLiteral("无法启动"))),
       "是|64×64 型号1|V2.1|0|未知|12|未能启动 14:03:22：无法启动|未能启动 bar -1",
       RowState::Failed},
  };
  FleetModel model;
  SignEntry sign{QStringLiteral("门厅"), false, QStringLiteral("127.0.0.1"), 8001};
  sign.expectedSize = QSize(320, 64);
  model.setSigns({sign});
  for (const Step& s : steps) {
    SCOPED_TRACE(s.event);
    s.apply(model);
    EXPECT_EQ(cells(model, 0).toStdString(), s.row);
    EXPECT_EQ(model.state(0), s.state);
    EXPECT_EQ(model.index(0, FleetModel::Name).data(Qt::ToolTipRole).toString(), model.reason(0));
  }
}

// Check marks, the rows a retry runs again, and the size a send is checked against.
TEST(FleetModel, ChecksFailuresAndKnownSizes) {
  FleetModel model;
  std::vector<SignEntry> signs(4);
  for (int k = 0; k < 4; ++k)
    signs[size_t(k)] = {
        QStringLiteral("屏%1").arg(k), true, {}, 8000, QStringLiteral("/dev/pts/%1").arg(k)};
  signs[1].expectedSize = QSize(128, 32);
  model.setSigns(signs);
  EXPECT_EQ(model.index(2, FleetModel::Link).data().toString(),
            QStringLiteral("/dev/pts/2 115200"));
  EXPECT_TRUE(model.flags(model.index(0, FleetModel::Name)) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(model.flags(model.index(0, FleetModel::Link)) & Qt::ItemIsUserCheckable);
  EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
  EXPECT_TRUE(model.setData(model.index(3, 0), Qt::Checked, Qt::CheckStateRole));
  EXPECT_EQ(model.checkedRows(), (QList<int>{1, 3}));

  const JobResult results[] = {JobResult::TimedOut, JobResult::Refused, JobResult::Crashed,
                               JobResult::Succeeded};
  for (int k = 0; k < 4; ++k) {
    model.queued(k, FleetJobKind::Send, 1);
    model.finished(k, outcome(results[k]));
  }
  EXPECT_EQ(model.failedRows(), (QList<int>{0, 2}));

  EXPECT_EQ(model.knownSize(0), QSize());
  EXPECT_EQ(model.knownSize(1), QSize(128, 32));
  model.queued(1, FleetJobKind::Status);
  model.finished(1, status(96, 2, 0, 0));  // what the card says beats what the list expects
  EXPECT_EQ(model.knownSize(1), QSize(96, 64));
  model.replaceSign(1, signs[1]);  // a changed link forgets the card's report, not the check
  EXPECT_EQ(model.knownSize(1), QSize(128, 32));
  EXPECT_TRUE(model.isChecked(1));
}

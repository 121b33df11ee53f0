#pragma once
// The rows of "大屏管理": one per sign of the list, with what the last status job reported, the
// last send's result and the state of the job under way. The window and the runner's signals
// drive it; it knows no widget.

#include <QAbstractTableModel>
#include <QList>
#include <QSize>
#include <QTime>
#include <optional>
#include <vector>

#include "FleetRunner.h"
#include "SignList.h"

enum class RowState {
  Idle,
  Queued,
  Querying,
  Sending,
  Succeeded,
  Failed,      // the card or the link failed, or the child could not start
  CannotSend,  // the library does not fit the sign (its size or model)
  TimedOut,
  Crashed,
  Dropped,  // a pending job dropped by a cancel
};

class FleetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column {
    Name,
    Link,
    Reachable,
    SizeModel,
    Version,
    Programs,
    ClockOffset,
    Brightness,
    LastSend,
    Progress,
    ColumnCount
  };
  // The 进度 cell as a bar: 0 .. 100 while a send runs and after one succeeded, else no value.
  static constexpr int ProgressRole = Qt::UserRole + 1;

  explicit FleetModel(QObject* parent = nullptr);

  // The list; every row starts unchecked and idle.
  void setSigns(const std::vector<SignEntry>& signs);
  std::vector<SignEntry> signs() const;
  const SignEntry& sign(int row) const { return rows_[size_t(row)].sign; }
  void appendSign(const SignEntry& sign);
  // The row forgets what it knew of the old link; its check mark stays.
  void replaceSign(int row, const SignEntry& sign);
  void removeSign(int row);

  bool isChecked(int row) const { return rows_[size_t(row)].checked; }
  void setChecked(int row, bool checked);
  QList<int> checkedRows() const;
  // Rows whose last job failed, timed out or crashed: the ones a retry runs again.
  QList<int> failedRows() const;
  RowState state(int row) const { return rows_[size_t(row)].state; }
  std::optional<FleetJobKind> lastJob(int row) const { return rows_[size_t(row)].job; }
  QString reason(int row) const { return rows_[size_t(row)].reason; }
  // The size the sign reported last, else the size the list expects, else an invalid size.
  QSize knownSize(int row) const;
  // The controller model the sign reported last.
  std::optional<int> reportedModel(int row) const;

  // Job events. `programs` is the library's count for a send: what the card holds after it.
  void queued(int row, FleetJobKind kind, int programs = 0);
  void started(int row);
  void progress(int row, int done, int total);
  void finished(int row, const JobOutcome& outcome, QTime at = QTime::currentTime());
  void dropped(int row);
  void cannotSend(int row, const QString& reason, QTime at = QTime::currentTime());

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 private:
  struct Row {
    SignEntry sign;
    bool checked = false;
    std::optional<bool> reachable;
    std::optional<SignStatus> status;
    RowState state = RowState::Idle;
    std::optional<FleetJobKind> job;          // the job the state belongs to
    JobResult result = JobResult::Succeeded;  // of the last finished job
    QString reason;
    int done = 0;
    int total = 0;
    int programs = 0;  // of the send under way
    QString lastSend;  // "成功 14:03:22", with the reason after a failure
  };

  QString cellText(const Row& row, int column) const;
  QString progressText(const Row& row) const;
  std::optional<int> percent(const Row& row) const;
  void changed(int row);

  std::vector<Row> rows_;
};

#include "FleetModel.h"

#include <QColor>
#include <QCoreApplication>
#include <algorithm>

namespace {

bool isFailure(RowState s) {
  return s == RowState::Failed || s == RowState::CannotSend || s == RowState::TimedOut ||
         s == RowState::Crashed;
}

RowState stateOf(JobResult result, FleetJobKind kind) {
  switch (result) {
    case JobResult::Succeeded:
      return RowState::Succeeded;
    case JobResult::Refused:
      return kind == FleetJobKind::Send ? RowState::CannotSend : RowState::Failed;
    case JobResult::Crashed:
      return RowState::Crashed;
    case JobResult::TimedOut:
      return RowState::TimedOut;
    case JobResult::Failed:
    case JobResult::NotStarted:
      break;
  }
  return RowState::Failed;
}

QString lastSendText(JobResult result, QTime at, const QString& reason) {
  const QString time = at.toString(u"hh:mm:ss");
  if (reason.isEmpty()) return QStringLiteral("%1 %2").arg(jobResultText(result), time);
  return QCoreApplication::translate("FleetModel", "%1 %2：%3")
      .arg(jobResultText(result), time, reason);
}

}  // namespace

FleetModel::FleetModel(QObject* parent) : QAbstractTableModel(parent) {}

void FleetModel::setSigns(const std::vector<SignEntry>& signs) {
  beginResetModel();
  rows_.clear();
  for (const SignEntry& s : signs) rows_.push_back(Row{s});
  endResetModel();
}

std::vector<SignEntry> FleetModel::signs() const {
  std::vector<SignEntry> list;
  for (const Row& r : rows_) list.push_back(r.sign);
  return list;
}

void FleetModel::appendSign(const SignEntry& sign) {
  const int row = rowCount();
  beginInsertRows({}, row, row);
  rows_.push_back(Row{sign});
  endInsertRows();
}

void FleetModel::replaceSign(int row, const SignEntry& sign) {
  Row& r = rows_[size_t(row)];
  const bool checked = r.checked;
  r = Row{sign};
  r.checked = checked;
  changed(row);
}

void FleetModel::removeSign(int row) {
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void FleetModel::setChecked(int row, bool checked) {
  rows_[size_t(row)].checked = checked;
  const QModelIndex cell = index(row, Name);
  Q_EMIT dataChanged(cell, cell, {Qt::CheckStateRole});
}

QList<int> FleetModel::checkedRows() const {
  QList<int> list;
  for (int k = 0; k < rowCount(); ++k)
    if (rows_[size_t(k)].checked) list << k;
  return list;
}

QList<int> FleetModel::failedRows() const {
  QList<int> list;
  for (int k = 0; k < rowCount(); ++k) {
    const RowState s = rows_[size_t(k)].state;
    if (s == RowState::Failed || s == RowState::TimedOut || s == RowState::Crashed) list << k;
  }
  return list;
}

QSize FleetModel::knownSize(int row) const {
  const Row& r = rows_[size_t(row)];
  return r.status ? r.status->size : r.sign.expectedSize;
}

std::optional<int> FleetModel::reportedModel(int row) const {
  const Row& r = rows_[size_t(row)];
  return r.status ? std::optional<int>(r.status->model) : std::nullopt;
}

void FleetModel::queued(int row, FleetJobKind kind, int programs) {
  Row& r = rows_[size_t(row)];
  r.state = RowState::Queued;
  r.job = kind;
  r.reason.clear();
  r.done = r.total = 0;
  r.programs = programs;
  changed(row);
}

void FleetModel::started(int row) {
  Row& r = rows_[size_t(row)];
  r.state = r.job == FleetJobKind::Send ? RowState::Sending : RowState::Querying;
  changed(row);
}

void FleetModel::progress(int row, int done, int total) {
  Row& r = rows_[size_t(row)];
  r.done = done;
  r.total = total;
  changed(row);
}

void FleetModel::finished(int row, const JobOutcome& outcome, QTime at) {
  Row& r = rows_[size_t(row)];
  const FleetJobKind kind = r.job.value_or(FleetJobKind::Status);
  r.state = stateOf(outcome.result, kind);
  // A refused status is a failure like another, not a library the sign cannot take.
  r.result = outcome.result == JobResult::Refused && r.state == RowState::Failed ? JobResult::Failed
                                                                                 : outcome.result;
  r.reason = outcome.reason;
  if (outcome.status) r.status = outcome.status;
  if (outcome.result == JobResult::Succeeded)
    r.reachable = true;
  else if (kind == FleetJobKind::Status &&
           (outcome.result == JobResult::Failed || outcome.result == JobResult::TimedOut))
    r.reachable = false;
  if (kind == FleetJobKind::Send) {
    r.lastSend = lastSendText(outcome.result, at, outcome.reason);
    if (outcome.result == JobResult::Succeeded && r.status) r.status->programs = r.programs;
  }
  changed(row);
}

void FleetModel::dropped(int row) {
  Row& r = rows_[size_t(row)];
  r.state = RowState::Dropped;
  r.reason.clear();
  changed(row);
}

void FleetModel::cannotSend(int row, const QString& reason, QTime at) {
  Row& r = rows_[size_t(row)];
  r.state = RowState::CannotSend;
  r.job = FleetJobKind::Send;
  r.result = JobResult::Refused;
  r.reason = reason;
  r.lastSend = lastSendText(JobResult::Refused, at, reason);
  changed(row);
}

void FleetModel::changed(int row) {
  Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int FleetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int FleetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

std::optional<int> FleetModel::percent(const Row& r) const {
  if (r.state == RowState::Succeeded && r.job == FleetJobKind::Send) return 100;
  if (r.state != RowState::Sending) return std::nullopt;
  if (r.total <= 0) return 0;
  return int(std::clamp<qint64>(qint64(r.done) * 100 / r.total, 0, 100));
}

QString FleetModel::progressText(const Row& r) const {
  switch (r.state) {
    case RowState::Idle:
      return {};
    case RowState::Queued:
      return tr("等待");
    case RowState::Querying:
      return tr("查询中");
    case RowState::Sending:
      return QStringLiteral("%1%").arg(*percent(r));
    case RowState::Succeeded:
      return r.job == FleetJobKind::Send ? tr("完成") : QString();
    case RowState::Dropped:
      return tr("已取消");
    case RowState::Failed:
    case RowState::CannotSend:
    case RowState::TimedOut:
    case RowState::Crashed:
      break;
  }
  return jobResultText(r.result);
}

QString FleetModel::cellText(const Row& r, int column) const {
  const std::optional<SignStatus>& s = r.status;
  switch (Column(column)) {
    case Name:
      return r.sign.name;
    case Link:
      return r.sign.linkText();
    case Reachable:
      return !r.reachable ? tr("未知") : *r.reachable ? tr("是") : tr("否");
    case SizeModel:
      if (s) return tr("%1×%2 型号%3").arg(s->size.width()).arg(s->size.height()).arg(s->model);
      if (r.sign.expectedSize.isValid())
        return tr("%1×%2（设定）")
            .arg(r.sign.expectedSize.width())
            .arg(r.sign.expectedSize.height());
      return {};
    case Version:
      return s ? s->version : QString();
    case Programs:
      return s ? QString::number(s->programs) : QString();
    case ClockOffset:
      if (!s) return {};
      if (!s->clockOffsetS) return tr("未知");
      return tr("%1%2 秒")
          .arg(*s->clockOffsetS > 0 ? QStringLiteral("+") : QString())
          .arg(*s->clockOffsetS);
    case Brightness:
      return s ? QString::number(s->brightness) : QString();
    case LastSend:
      return r.lastSend;
    case Progress:
      return progressText(r);
    case ColumnCount:
      break;
  }
  return {};
}

QVariant FleetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const Row& r = rows_[size_t(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return cellText(r, index.column());
    case Qt::CheckStateRole:
      if (index.column() == Name) return r.checked ? Qt::Checked : Qt::Unchecked;
      return {};
    case Qt::ToolTipRole:
      if (!r.reason.isEmpty()) return r.reason;
      return {};
    case Qt::ForegroundRole:
      if (isFailure(r.state)) return QColor(190, 0, 0);
      return {};
    case Qt::TextAlignmentRole:
      if (index.column() == Name || index.column() == Link || index.column() == LastSend)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
      return int(Qt::AlignCenter);
    case ProgressRole:
      if (index.column() != Progress) return {};
      if (const std::optional<int> p = percent(r)) return *p;
      return {};
  }
  return {};
}

QVariant FleetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const names[ColumnCount] = {
      QT_TRANSLATE_NOOP("FleetModel", "名称"),     QT_TRANSLATE_NOOP("FleetModel", "连接"),
      QT_TRANSLATE_NOOP("FleetModel", "在线"),     QT_TRANSLATE_NOOP("FleetModel", "尺寸与型号"),
      QT_TRANSLATE_NOOP("FleetModel", "版本"),     QT_TRANSLATE_NOOP("FleetModel", "节目数"),
      QT_TRANSLATE_NOOP("FleetModel", "时差"),     QT_TRANSLATE_NOOP("FleetModel", "亮度"),
      QT_TRANSLATE_NOOP("FleetModel", "上次发送"), QT_TRANSLATE_NOOP("FleetModel", "进度")};
  return section >= 0 && section < ColumnCount
             ? QCoreApplication::translate("FleetModel", names[section])
             : QVariant();
}

Qt::ItemFlags FleetModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == Name) f |= Qt::ItemIsUserCheckable;
  return f;
}

bool FleetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != Name || role != Qt::CheckStateRole) return false;
  setChecked(index.row(), value.toInt() == Qt::Checked);
  return true;
}

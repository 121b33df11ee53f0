#include "FleetWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "CardDiscovery.h"
#include "CommSettings.h"
#include "ErrorReport.h"
#include "FleetModel.h"
#include "LibrarySnapshot.h"
#include "ProgramStore.h"
#include "Prompt.h"
#include "SignDialog.h"

namespace {

// The 进度 cell as a progress bar when the model gives it a value, as text otherwise.
class ProgressDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QVariant percent = index.data(FleetModel::ProgressRole);
    if (!percent.isValid()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(3, 3, -3, -3);
    bar.state = (option.state & QStyle::State_Enabled) | QStyle::State_Horizontal;
    bar.palette = option.palette;
    bar.fontMetrics = option.fontMetrics;
    bar.minimum = 0;
    bar.maximum = 100;
    bar.progress = percent.toInt();
    bar.text = index.data().toString();
    bar.textVisible = true;
    bar.textAlignment = Qt::AlignCenter;
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);
  }
};

}  // namespace

FleetWindow::FleetWindow(const ProgramStore& store, Prompt& prompt, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      prompt_(prompt),
      model_(new FleetModel(this)),
      discovery_(new CardDiscovery(store.home(), this)) {
  setWindowTitle(tr("大屏管理"));
  chooseAdapter = [this](const QStringList& addresses, const QStringList& names) {
    return defaultAdapterChoice(addresses, names);
  };

  auto button = [this](const QString& text, void (FleetWindow::*handler)()) {
    auto* b = new QPushButton(text, this);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  AddButton = button(tr("添加"), &FleetWindow::AddButtonClick);
  EditButton = button(tr("编辑"), &FleetWindow::EditButtonClick);
  RemoveButton = button(tr("删除"), &FleetWindow::RemoveButtonClick);
  DiscoverButton = button(tr("发现"), &FleetWindow::DiscoverButtonClick);
  RefreshButton = button(tr("刷新"), &FleetWindow::RefreshButtonClick);
  SendButton = button(tr("发送到所选"), &FleetWindow::SendButtonClick);
  RetryButton = button(tr("重试失败"), &FleetWindow::RetryButtonClick);
  CancelButton = button(tr("取消"), &FleetWindow::CancelButtonClick);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {AddButton, EditButton, RemoveButton, DiscoverButton})
    buttons->addWidget(b);
  buttons->addSpacing(16);
  for (QPushButton* b : {RefreshButton, SendButton, RetryButton, CancelButton})
    buttons->addWidget(b);
  buttons->addStretch(1);

  Table = new QTableView(this);
  Table->setModel(model_);
  Table->setItemDelegateForColumn(FleetModel::Progress, new ProgressDelegate(Table));
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setAlternatingRowColors(true);
  Table->setWordWrap(false);
  Table->verticalHeader()->hide();
  QHeaderView* header = Table->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(FleetModel::LastSend, QHeaderView::Stretch);
  header->setSectionResizeMode(FleetModel::Progress, QHeaderView::Fixed);
  header->resizeSection(FleetModel::Progress, 130);
  connect(Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &FleetWindow::updateActions);
  connect(Table, &QTableView::doubleClicked, this, [this] {
    if (EditButton->isEnabled()) EditButtonClick();
  });

  MessageLabel = new QLabel(this);
  MessageLabel->setWordWrap(true);
  MessageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* column = new QVBoxLayout(this);
  column->addLayout(buttons);
  column->addWidget(Table, 1);
  column->addWidget(MessageLabel);

  setToolDirectory(QCoreApplication::applicationDirPath());
  connect(discovery_, &CardDiscovery::adaptersListed, this, &FleetWindow::adaptersListed);
  connect(discovery_, &CardDiscovery::cardsFound, this, &FleetWindow::cardsFound);
  connect(discovery_, &CardDiscovery::failed, this, [this](const QString& why) {
    updateActions();
    prompt_.message(this, tr("查找控制卡失败：%1").arg(why));
  });

  Dialog = new SignDialog(this);
  connect(Dialog, &QDialog::accepted, this, &FleetWindow::signAccepted);
  resize(1180, 420);
  updateActions();
}

FleetWindow::~FleetWindow() = default;

void FleetWindow::setToolDirectory(const QString& directory) {
  toolDirectory_ = directory;
  discovery_->setProgram(QDir(directory).filePath(QStringLiteral("ledsignctl")));
}

bool FleetWindow::busy() const { return (runner_ && runner_->busy()) || discovery_->running(); }

void FleetWindow::open() {
  if (!isVisible() && !busy()) reload();
  show();
  raise();
  activateWindow();
}

void FleetWindow::reload() {
  const LoadedSignList loaded = SignList::load(store_.home());
  model_->setSigns(loaded.signs);
  snapshot_.reset();
  showMessage(loaded.message);
  updateActions();
}

void FleetWindow::showMessage(const QString& text) {
  MessageLabel->setText(text);
  MessageLabel->setVisible(!text.isEmpty());
}

void FleetWindow::updateActions() {
  const bool jobs = runner_ && runner_->busy();
  const bool free = !busy();
  const bool picked = Table->selectionModel()->currentIndex().isValid();
  const bool any = model_->rowCount() > 0;
  AddButton->setEnabled(free);
  EditButton->setEnabled(free && picked);
  RemoveButton->setEnabled(free && picked);
  DiscoverButton->setEnabled(free);
  RefreshButton->setEnabled(free && any);
  SendButton->setEnabled(free && any);
  RetryButton->setEnabled(free && !model_->failedRows().isEmpty());
  CancelButton->setEnabled(jobs && runner_->pendingCount() > 0);
}

// ---- the list ----

void FleetWindow::AddButtonClick() {
  editedRow_ = -1;
  Dialog->setWindowTitle(tr("添加大屏"));
  Dialog->setSign(SignEntry{}, model_->signs());
  Dialog->open();
}

void FleetWindow::EditButtonClick() {
  const int row = Table->selectionModel()->currentIndex().row();
  if (row < 0) return;
  editedRow_ = row;
  std::vector<SignEntry> others = model_->signs();
  others.erase(others.begin() + row);
  Dialog->setWindowTitle(tr("编辑大屏"));
  Dialog->setSign(model_->sign(row), std::move(others));
  Dialog->open();
}

void FleetWindow::signAccepted() {
  const SignEntry entry = Dialog->sign();
  std::vector<SignEntry> signs = model_->signs();
  if (editedRow_ < 0)
    signs.push_back(entry);
  else
    signs[size_t(editedRow_)] = entry;
  if (!saveList(signs)) return;
  if (editedRow_ < 0)
    model_->appendSign(entry);
  else if (model_->sign(editedRow_) != entry)
    model_->replaceSign(editedRow_, entry);
  updateActions();
}

void FleetWindow::RemoveButtonClick() {
  const int row = Table->selectionModel()->currentIndex().row();
  if (row < 0) return;
  if (!prompt_.question(this, tr("是否删除大屏“%1”？").arg(model_->sign(row).name))) return;
  std::vector<SignEntry> signs = model_->signs();
  signs.erase(signs.begin() + row);
  if (!saveList(signs)) return;
  model_->removeSign(row);
  updateActions();
}

bool FleetWindow::saveList(const std::vector<SignEntry>& signs) {
  bool saved = false;
  runGuarded(prompt_, this, [&] {
    SignList::save(store_.home(), signs);
    saved = true;
  });
  // What the loader said of the old file no longer holds.
  if (saved) showMessage({});
  return saved;
}

// ---- jobs ----

FleetRunner& FleetWindow::newRunner() {
  FleetRunner::Options options;
  options.program = QDir(toolDirectory_).filePath(QStringLiteral("ledsignctl"));
  options.home = store_.home();
  if (snapshot_) options.useLibrary(*snapshot_);
  options.linkTimeoutMs = std::clamp(
      CommSettings::load(QDir(store_.home()).filePath(QStringLiteral("set.ini"))).TimeoutMs, 1,
      600000);
  // The previous runner has nothing left to run.
  runner_ = std::make_unique<FleetRunner>(options);
  FleetRunner* runner = runner_.get();
  connect(runner, &FleetRunner::jobStarted, this, [this](int row) {
    model_->started(row);
    updateActions();
  });
  connect(runner, &FleetRunner::jobProgress, model_, &FleetModel::progress);
  connect(runner, &FleetRunner::jobFinished, this, [this](int row, const JobOutcome& outcome) {
    model_->finished(row, outcome);
    batchProgress();
  });
  connect(runner, &FleetRunner::jobDropped, this, [this](int row) {
    model_->dropped(row);
    batchProgress();
  });
  connect(runner, &FleetRunner::idle, this, &FleetWindow::batchFinished);
  batchRows_.clear();
  return *runner;
}

void FleetWindow::enqueue(FleetRunner& runner, int row, FleetJobKind kind) {
  model_->queued(row, kind, snapshot_ && kind == FleetJobKind::Send ? snapshot_->count() : 0);
  batchRows_ << row;
  runner.enqueue(row, model_->sign(row), kind);
}

void FleetWindow::RefreshButtonClick() {
  runGuarded(prompt_, this, [this] {
    FleetRunner& runner = newRunner();
    batch_ = Batch::Refresh;
    for (int row = 0; row < model_->rowCount(); ++row) enqueue(runner, row, FleetJobKind::Status);
    batchProgress();
  });
  updateActions();
}

void FleetWindow::SendButtonClick() {
  runGuarded(prompt_, this, [this] {
    const QList<int> rows = model_->checkedRows();
    if (rows.isEmpty()) {
      prompt_.message(this, tr("请先勾选要发送的大屏"));
      return;
    }
    // Nothing runs, so nothing reads the previous copy any more.
    snapshot_ = LibrarySnapshot::take(store_);
    FleetRunner& runner = newRunner();
    batch_ = Batch::Send;
    for (int row : rows) {
      const QSize size = model_->knownSize(row);
      const std::optional<int> controller = model_->reportedModel(row);
      QString why = size.isValid() ? snapshot_->sizeMismatch(size) : QString();
      if (why.isEmpty() && controller) why = snapshot_->modelRefusal(*controller);
      if (!why.isEmpty()) {
        model_->cannotSend(row, why);
        batchRows_ << row;
        continue;
      }
      enqueue(runner, row, FleetJobKind::Send);
    }
    batchProgress();
    if (!runner.busy()) batchFinished();
  });
  updateActions();
}

void FleetWindow::RetryButtonClick() {
  runGuarded(prompt_, this, [this] {
    const QList<int> rows = model_->failedRows();
    FleetRunner& runner = newRunner();
    batch_ = Batch::Retry;
    for (int row : rows) {
      const FleetJobKind kind = model_->lastJob(row).value_or(FleetJobKind::Status);
      // A send is tried again with the library it failed with.
      if (kind == FleetJobKind::Send && !snapshot_) continue;
      enqueue(runner, row, kind);
    }
    batchProgress();
  });
  updateActions();
}

void FleetWindow::CancelButtonClick() {
  if (runner_) runner_->cancelPending();
  updateActions();
}

void FleetWindow::batchProgress() {
  int done = 0;
  for (int row : batchRows_) {
    const RowState s = model_->state(row);
    if (s != RowState::Queued && s != RowState::Querying && s != RowState::Sending) ++done;
  }
  const int total = int(batchRows_.size());
  switch (batch_) {
    case Batch::Refresh:
      showMessage(tr("刷新中：%1/%n 个大屏已结束", nullptr, total).arg(done));
      break;
    case Batch::Send:
      showMessage(tr("发送中：%1/%n 个大屏已结束", nullptr, total).arg(done));
      break;
    case Batch::Retry:
      showMessage(tr("重试中：%1/%n 个大屏已结束", nullptr, total).arg(done));
      break;
  }
  updateActions();
}

void FleetWindow::batchFinished() {
  int succeeded = 0, failed = 0, refused = 0, dropped = 0;
  for (int row : batchRows_) {
    switch (model_->state(row)) {
      case RowState::Succeeded:
        ++succeeded;
        break;
      case RowState::CannotSend:
        ++refused;
        break;
      case RowState::Dropped:
        ++dropped;
        break;
      case RowState::Failed:
      case RowState::TimedOut:
      case RowState::Crashed:
        ++failed;
        break;
      case RowState::Idle:
      case RowState::Queued:
      case RowState::Querying:
      case RowState::Sending:
        break;
    }
  }
  QString text;
  switch (batch_) {
    case Batch::Refresh:
      text = tr("刷新结束：%1个成功，%2个失败");
      break;
    case Batch::Send:
      text = tr("发送结束：%1个成功，%2个失败");
      break;
    case Batch::Retry:
      text = tr("重试结束：%1个成功，%2个失败");
      break;
  }
  text = text.arg(succeeded).arg(failed);
  if (refused > 0) text += tr("，%1个不能发送").arg(refused);
  if (dropped > 0) text += tr("，%1个已取消").arg(dropped);
  showMessage(text);
  updateActions();
}

// ---- discovery ----

void FleetWindow::DiscoverButtonClick() {
  discovery_->listAdapters();
  updateActions();
}

void FleetWindow::adaptersListed(const QStringList& addresses, const QStringList& names) {
  if (addresses.isEmpty()) {
    prompt_.message(this, tr("本机没有可用于查找控制卡的网卡"));
  } else if (const QString adapter = chooseAdapter(addresses, names); !adapter.isEmpty()) {
    discovery_->search(adapter);
  }
  updateActions();
}

QString FleetWindow::defaultAdapterChoice(const QStringList& addresses, const QStringList& names) {
  QStringList items;
  for (qsizetype k = 0; k < addresses.size(); ++k)
    items << (names[k].isEmpty() ? addresses[k]
                                 : QStringLiteral("%1  %2").arg(addresses[k], names[k]));
  bool ok = false;
  const QString item =
      QInputDialog::getItem(this, tr("发现"), tr("在哪个网卡上查找控制卡："), items, 0, false, &ok);
  const qsizetype k = items.indexOf(item);
  return ok && k >= 0 ? addresses[k] : QString();
}

void FleetWindow::cardsFound(const QString& adapter, const std::vector<SignEntry>& cards) {
  const std::vector<SignEntry> added = newCards(cards, model_->signs());
  if (!added.empty()) {
    std::vector<SignEntry> signs = model_->signs();
    signs.insert(signs.end(), added.begin(), added.end());
    if (!saveList(signs)) return updateActions();
    for (const SignEntry& card : added) model_->appendSign(card);
  }
  showMessage(tr("在网卡 %1 上找到%n块控制卡，新添加%2块", nullptr, int(cards.size()))
                  .arg(adapter)
                  .arg(added.size()));
  updateActions();
}

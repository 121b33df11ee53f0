#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "FleetRunner.h"
#include "SignList.h"

class CardDiscovery;
class FleetModel;
class LibrarySnapshot;
class ProgramStore;
class Prompt;
class QLabel;
class QPushButton;
class QTableView;
class SignDialog;

// "大屏管理": the home's sign list as a table, each sign's state at a glance, and the library sent
// to many signs at once. Every job on a sign runs in its own ledsignctl child, so a sign that
// hangs or crashes its link marks only its own row; the window never blocks on a child. The home
// is only read (the editor holds its lock), but for the sign list, which is written when the
// operator changes it. The main window's own connection is not touched.
class FleetWindow : public QWidget {
  Q_OBJECT
 public:
  FleetWindow(const ProgramStore& store, Prompt& prompt, QWidget* parent = nullptr);
  ~FleetWindow() override;

  // Shows and raises the window; a window that was hidden and has nothing under way reads the
  // sign list again first.
  void open();

  // ledsignctl is found in this folder (the application's by default).
  void setToolDirectory(const QString& directory);
  // Which network adapter discovery searches on, of the addresses (with their names) offered;
  // empty cancels. By default a small list dialog asks.
  std::function<QString(const QStringList& addresses, const QStringList& names)> chooseAdapter;

  FleetModel& model() { return *model_; }
  // Jobs run or wait, or a discovery is under way.
  bool busy() const;

  // Controls (public so that tests drive them as the operator does).
  QTableView* Table = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* EditButton = nullptr;
  QPushButton* RemoveButton = nullptr;
  QPushButton* DiscoverButton = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* SendButton = nullptr;
  QPushButton* RetryButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLabel* MessageLabel = nullptr;  // the list's or the last batch's news, never a box
  SignDialog* Dialog = nullptr;

  // Handlers.
  void AddButtonClick();
  void EditButtonClick();
  void RemoveButtonClick();
  void DiscoverButtonClick();
  void RefreshButtonClick();
  void SendButtonClick();
  void RetryButtonClick();
  void CancelButtonClick();

 private:
  void reload();
  void showMessage(const QString& text);
  void updateActions();
  // A runner for a new batch, with the reply timeout set.ini gives now.
  FleetRunner& newRunner();
  void enqueue(FleetRunner& runner, int row, FleetJobKind kind);
  void batchProgress();
  void batchFinished();
  void signAccepted();
  // Writes the list; false (after saying why) when the file could not be written.
  bool saveList(const std::vector<SignEntry>& signs);
  void adaptersListed(const QStringList& addresses, const QStringList& names);
  void cardsFound(const QString& adapter, const std::vector<SignEntry>& cards);
  QString defaultAdapterChoice(const QStringList& addresses, const QStringList& names);

  const ProgramStore& store_;
  Prompt& prompt_;
  FleetModel* model_ = nullptr;
  CardDiscovery* discovery_ = nullptr;
  QString toolDirectory_;
  // The library of the last send, kept for its retries. Declared before the runner, which
  // waits for its children when destroyed: they read the copy to the end.
  std::unique_ptr<LibrarySnapshot> snapshot_;
  std::unique_ptr<FleetRunner> runner_;
  int editedRow_ = -1;  // the row the sign dialog edits, -1 for a new sign
  enum class Batch { Refresh, Send, Retry };
  Batch batch_ = Batch::Refresh;  // what the batch under way (or the last one) does
  QList<int> batchRows_;
};

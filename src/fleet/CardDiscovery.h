#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

#include "SignList.h"

class QProcess;

// Network discovery in ledsignctl children, one step at a time: the machine's adapters, then the
// cards that answer on one of them. Neither step blocks; each ends in one signal.
class CardDiscovery : public QObject {
  Q_OBJECT
 public:
  // A child that has not answered by then is ended; a card's search window is a few seconds.
  static constexpr int LimitMs = 30000;

  explicit CardDiscovery(QString home, QObject* parent = nullptr);
  ~CardDiscovery() override;

  // `ledsignctl --json discover`: adaptersListed or failed.
  void listAdapters();
  // `ledsignctl --json discover ADAPTER`: cardsFound or failed.
  void search(const QString& adapter);
  bool running() const { return child_ != nullptr; }
  // The ledsignctl executable.
  void setProgram(const QString& program) { program_ = program; }

 Q_SIGNALS:
  void adaptersListed(const QStringList& addresses, const QStringList& names);
  // The cards as TCP/IP entries, address and port only.
  void cardsFound(const QString& adapter, const std::vector<SignEntry>& cards);
  void failed(const QString& why);

 private:
  void run(const QStringList& args, const QString& adapter);
  void parse(const QByteArray& json, const QString& adapter);

  QString program_;
  QString home_;
  QProcess* child_ = nullptr;
};

// The cards not yet in `signs` (by address and port), each named "控制卡 ADDRESS" or, when that
// name is taken, "控制卡 ADDRESS (2)" …; a card the list cannot hold is left out.
std::vector<SignEntry> newCards(const std::vector<SignEntry>& found,
                                const std::vector<SignEntry>& signs);

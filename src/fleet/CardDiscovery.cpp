#include "CardDiscovery.h"
#include "Language.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>
#include <algorithm>

namespace {

// The last line of a child's stderr, without the tool's name.
QString lastMessage(const QByteArray& errorOutput) {
  QString line = QString::fromUtf8(errorOutput.trimmed().split('\n').back()).trimmed();
  if (line.startsWith(QLatin1String("ledsignctl: "))) line = line.mid(12);
  return line;
}

}  // namespace

CardDiscovery::CardDiscovery(QString home, QObject* parent)
    : QObject(parent), home_(std::move(home)) {}

CardDiscovery::~CardDiscovery() {
  if (!child_) return;
  child_->disconnect(this);
  child_->kill();
  child_->waitForFinished(3000);
}

void CardDiscovery::listAdapters() { run({QStringLiteral("discover")}, {}); }

void CardDiscovery::search(const QString& adapter) {
  run({QStringLiteral("discover"), adapter}, adapter);
}

void CardDiscovery::run(const QStringList& args, const QString& adapter) {
  auto* child = new QProcess(this);
  child_ = child;
  child->setProgram(program_);
  child->setArguments(QStringList{QStringLiteral("--lang"), languageCode(currentLanguage()),
                                  QStringLiteral("--home"), home_, QStringLiteral("--json")} +
                      args);
  child->setStandardInputFile(QProcess::nullDevice());
  auto* limit = new QTimer(child);
  limit->setSingleShot(true);
  connect(limit, &QTimer::timeout, child, &QProcess::kill);
  auto fail = [this, child](const QString& why) {
    child_ = nullptr;
    child->deleteLater();
    Q_EMIT failed(why);
  };
  connect(child, &QProcess::finished, this,
          [this, child, limit, fail, adapter](int code, QProcess::ExitStatus status) {
            const bool timedOut = !limit->isActive();
            limit->stop();
            if (timedOut) return fail(tr("%1秒内没有结果").arg(LimitMs / 1000));
            if (status != QProcess::NormalExit || code != 0) {
              const QString message = lastMessage(child->readAllStandardError());
              return fail(message.isEmpty() ? tr("ledsignctl 异常退出") : message);
            }
            child_ = nullptr;
            child->deleteLater();
            parse(child->readAllStandardOutput(), adapter);
          });
  connect(child, &QProcess::errorOccurred, this, [child, limit, fail](QProcess::ProcessError e) {
    if (e != QProcess::FailedToStart) return;
    limit->stop();
    fail(tr("无法启动 %1：%2").arg(child->program(), child->errorString()));
  });
  limit->start(LimitMs);
  child->start();
}

void CardDiscovery::parse(const QByteArray& json, const QString& adapter) {
  const QJsonArray list = QJsonDocument::fromJson(json).array();
  if (adapter.isEmpty()) {
    QStringList addresses, names;
    for (const QJsonValue v : list) {
      const QString address = v.toObject().value(QLatin1String("address")).toString();
      if (address.isEmpty()) continue;
      addresses << address;
      names << v.toObject().value(QLatin1String("name")).toString();
    }
    Q_EMIT adaptersListed(addresses, names);
    return;
  }
  std::vector<SignEntry> cards;
  for (const QJsonValue v : list) {
    SignEntry card;
    card.host = v.toObject().value(QLatin1String("ip")).toString();
    card.port = v.toObject().value(QLatin1String("port")).toInt();
    cards.push_back(card);
  }
  Q_EMIT cardsFound(adapter, cards);
}

std::vector<SignEntry> newCards(const std::vector<SignEntry>& found,
                                const std::vector<SignEntry>& signs) {
  std::vector<SignEntry> all = signs;
  std::vector<SignEntry> added;
  auto has = [&all](auto&& match) { return std::any_of(all.begin(), all.end(), match); };
  for (SignEntry card : found) {
    if (has([&](const SignEntry& s) {
          return !s.serial && s.host == card.host && s.port == card.port;
        }))
      continue;
    // The name is written to the list: it does not follow the operator's language.
    const QString base = QStringLiteral("控制卡 %1").arg(card.host);
    card.name = base;
    for (int n = 2; has([&](const SignEntry& s) { return s.name == card.name; }); ++n)
      card.name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    if (!SignList::validate(card, all).isEmpty()) continue;
    all.push_back(card);
    added.push_back(card);
  }
  return added;
}

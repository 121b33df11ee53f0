#include "Workspace.h"

#include <QDir>
#include <QTimer>
#include <algorithm>

#include "LedError.h"

Workspace::Workspace(const QString& home, QObject* parent)
    : QObject(parent), store_(home), heartbeat_(new QTimer(this)) {
  ProgramWidth.fill(32);
  ProgramHeight.fill(32);
  heartbeat_->setInterval(HeartbeatIntervalMs);
}

Workspace::~Workspace() = default;

void Workspace::programAppended(int width, int height) {
  if (ProgramCount >= ProgramStore::MaxPrograms) return;
  ProgramWidth[ProgramCount] = width;
  ProgramHeight[ProgramCount] = height;
  ++ProgramCount;
  Q_EMIT programListChanged();
}

void Workspace::programDeleted(int n) {
  if (n < 0 || n >= ProgramCount) return;
  std::copy(ProgramWidth.begin() + n + 1, ProgramWidth.begin() + ProgramCount,
            ProgramWidth.begin() + n);
  std::copy(ProgramHeight.begin() + n + 1, ProgramHeight.begin() + ProgramCount,
            ProgramHeight.begin() + n);
  --ProgramCount;
  ProgramWidth[ProgramCount] = ScreenWidth;
  ProgramHeight[ProgramCount] = ScreenHeight;
  Q_EMIT programsRenumbered(n);
}

void Workspace::libraryReplaced(int count) {
  ProgramCount = std::clamp(count, 0, ProgramStore::MaxPrograms);
  // Sizes are read from each picture when it is picked or edited.
  ProgramWidth.fill(ScreenWidth);
  ProgramHeight.fill(ScreenHeight);
  Q_EMIT libraryWasReplaced();
}

void Workspace::resetProgramCount() { libraryReplaced(0); }

void Workspace::programSaved(int n) { Q_EMIT programWasSaved(n); }

void Workspace::setSignSize(int width, int height) {
  if (!validSide(width) || !validSide(height)) return;
  ScreenWidth = width;
  ScreenHeight = height;
  Q_EMIT signSizeChanged(width, height);
}

QString Workspace::commSettingsPath() const {
  return QDir(home()).filePath(QStringLiteral("set.ini"));
}

void Workspace::setTransport(const QString& value) {
  const bool serial = value == QLatin1String("0");
  if (commSettings.serial() != serial) {
    CommSettings::writeTransport(commSettingsPath(), value);
    commSettings.Transport = value;
  }
  Q_EMIT transportChanged();
}

ControllerLink& Workspace::link() {
  if (!link_) throw LedError(tr("找不到通讯库 NQ_COM_LED 和 NQ_NET_LED"));
  return *link_;
}

void Workspace::markConnected() {
  const bool changed = !connected_;
  connected_ = true;
  if (changed) Q_EMIT connectionChanged(true);
}

void Workspace::markDisconnected() {
  const bool changed = connected_;
  connected_ = false;
  if (changed) Q_EMIT connectionChanged(false);
}

void Workspace::pauseHeartbeat() {
  if (pauses_++ == 0) heartbeat_->stop();
}

void Workspace::resumeHeartbeat() {
  if (pauses_ > 0 && --pauses_ == 0) heartbeat_->start();
}

void Workspace::setLinkWaitText(const QString& text) {
  linkWaitText_ = text;
  Q_EMIT linkWaitChanged(text);
}

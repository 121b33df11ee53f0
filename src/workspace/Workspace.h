#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "CommSettings.h"
#include "ControllerLink.h"
#include "ProgramStore.h"
#include "protocol/Limits.h"

class QTimer;

// The state every window shares: the library state under its given names, the program store, the
// communication settings, the link to the controller, the connection state and the heartbeat.
// Owned by the application and handed by reference to every window; windows never reach into
// one another. Changes that other windows must follow are announced by signals.
class Workspace : public QObject {
  Q_OBJECT
 public:
  // The largest side of a sign or a program, in pixels.
  static constexpr int MaxSide = nq::kMaxSignSide;
  static constexpr int HeartbeatIntervalMs = 5000;

  explicit Workspace(const QString& home, QObject* parent = nullptr);
  ~Workspace() override;

  ProgramStore& store() { return store_; }
  const ProgramStore& store() const { return store_; }
  const QString& home() const { return store_.home(); }

  // Library state.
  int ProgramCount = 0;
  int SelectedProgram = 0;
  std::array<int, 256> ProgramWidth{};
  std::array<int, 256> ProgramHeight{};
  int ControllerProgramCount = 0;
  int ControllerModel = 0;
  int ScreenWidth = 32;
  int ScreenHeight = 32;

  static bool validSide(int side) { return side >= 1 && side <= MaxSide; }

  // Library changes; each keeps the size tables in step and announces itself.
  // Program n = ProgramCount was appended with the given size.
  void programAppended(int width, int height);
  // Program n was removed and the ones after it moved down by one.
  void programDeleted(int n);
  // The whole list now holds count programs (import, fetch); their sizes are read on demand.
  void libraryReplaced(int count);
  // The list shows no program; the files stay on disk.
  void resetProgramCount();
  // Program n's picture and settings were written.
  void programSaved(int n);
  // The sign's size as the controller reported it, within 1 .. MaxSide a side.
  void setSignSize(int width, int height);

  // Communication settings (section "配置参数" of the home's set.ini).
  CommSettings commSettings;
  QString commSettingsPath() const;
  Transport transport() const { return commSettings.serial() ? Transport::Serial : Transport::Net; }
  // Writes the transport and only then takes it; a failed write throws and changes nothing.
  void setTransport(const QString& value);

  // The link libraries; without them every controller action says which one is missing.
  void setLink(ControllerLink* link) { link_ = link; }
  ControllerLink& link();
  bool hasLink() const { return link_ != nullptr; }

  // The connection state.
  bool isConnected() const { return connected_; }
  void markConnected();
  void markDisconnected();
  // A failed controller operation over TCP/IP means the link is lost; over serial it does not.
  void markDisconnectedIfNet() {
    if (transport() == Transport::Net) markDisconnected();
  }

  // The heartbeat timer (5000 ms); it runs unless a dialog that talks to the controller pauses
  // it. Pauses nest: the timer starts again when the last one ends.
  QTimer* heartbeat() const { return heartbeat_; }
  void pauseHeartbeat();
  void resumeHeartbeat();
  bool heartbeatPaused() const { return pauses_ > 0; }

  // What a link call blocking the GUI thread waits for ("正在连接…"), empty when none; set by
  // LinkWait, shown in the main window's status bar.
  const QString& linkWaitText() const { return linkWaitText_; }
  void setLinkWaitText(const QString& text);

  // Stops the heartbeat for the life of the object, e.g. while a dialog runs.
  class HeartbeatPause {
   public:
    explicit HeartbeatPause(Workspace& workspace) : workspace_(workspace) {
      workspace_.pauseHeartbeat();
    }
    ~HeartbeatPause() { workspace_.resumeHeartbeat(); }
    HeartbeatPause(const HeartbeatPause&) = delete;
    HeartbeatPause& operator=(const HeartbeatPause&) = delete;

   private:
    Workspace& workspace_;
  };

 Q_SIGNALS:
  // A program was added at the end.
  void programListChanged();
  // Program `deleted` was removed; every later program moved down by one.
  void programsRenumbered(int deleted);
  // The list was replaced or emptied: no earlier program number means what it meant.
  void libraryWasReplaced();
  void programWasSaved(int n);
  void signSizeChanged(int width, int height);
  void connectionChanged(bool connected);
  void transportChanged();
  void linkWaitChanged(const QString& text);

 private:
  ProgramStore store_;
  ControllerLink* link_ = nullptr;
  bool connected_ = false;
  QTimer* heartbeat_;
  int pauses_ = 0;
  QString linkWaitText_;
};

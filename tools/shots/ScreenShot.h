#pragma once
// What the screenshot programs share: the folder the pictures go to, a fresh home, the windows'
// Prompt with real boxes, and the picture of a screen region as the X server has it. The programs
// run under Xvfb with QT_QPA_PLATFORM=xcb (scripts/shots.sh); GoogleTest is only their harness.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "Card.h"
#include "LinkLibraries.h"
#include "Prompt.h"
#include "VirtualCard.h"
#include "Workspace.h"

// The folder named by LEDSIGN_SHOTS, made if missing; empty (with a failure) when unset.
inline QString shotFolder() {
  const QString folder = qEnvironmentVariable("LEDSIGN_SHOTS");
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    ADD_FAILURE() << "set LEDSIGN_SHOTS to a folder for the pictures";
    return {};
  }
  return QDir(folder).absolutePath();
}

inline QString shotFile(const QString& name) { return QDir(shotFolder()).filePath(name); }

// Writes the screen's region covering the visible `windows` (null ones are skipped) to `file`,
// as the X server has it, with ImageMagick's import.
inline void shootScreen(const QString& file, const QList<QWidget*>& windows) {
  QRect area;
  for (QWidget* w : windows)
    if (w && w->isVisible()) area |= w->frameGeometry();
  area.adjust(-8, -8, 8, 8);
  const QString crop = QStringLiteral("%1x%2+%3+%4")
                           .arg(area.width())
                           .arg(area.height())
                           .arg(std::max(0, area.x()))
                           .arg(std::max(0, area.y()));
  EXPECT_EQ(QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"),
                               QStringLiteral("-crop"), crop, file}),
            0)
      << file.toStdString();
}

// A fresh, empty home with Program/ in it, removed afterwards.
class ShotHome {
 public:
  ShotHome() { QDir(dir_.path()).mkpath(QStringLiteral("Program")); }
  QString path() const { return dir_.path(); }
  QString file(const QString& relative) const { return dir_.filePath(relative); }

 private:
  QTemporaryDir dir_;
};

// The application's boxes, really shown. While `shot` names a file, the next message box is
// photographed with the windows of `around` after `prepare` had the box to place, then closed;
// other message boxes close by themselves. Questions are answered No; a file dialog returns the
// next of `files`, other dialogs are cancelled.
class ShotPrompt final : public Prompt {
 public:
  QString shot;
  QList<QWidget*> around;
  std::function<void(QWidget* box)> prepare;
  std::deque<QString> files;
  QStringList messages;

  void message(QWidget* owner, const QString& text) override {
    messages << text;
    const QString file = std::exchange(shot, QString());
    QTimer::singleShot(file.isEmpty() ? 0 : 400, [this, file] {
      QWidget* box = QApplication::activeModalWidget();
      if (file.isEmpty() || !box) {
        if (box) box->close();
        return;
      }
      if (prepare) prepare(box);
      QTimer::singleShot(300, [this, file, box] {
        shootScreen(file, QList<QWidget*>(around) << box);
        box->close();
      });
    });
    real_.message(owner, text);
  }
  bool question(QWidget*, const QString&) override { return false; }
  QString openFile(QWidget*, const QString&, const QString&) override {
    if (files.empty()) return {};
    const QString file = files.front();
    files.pop_front();
    return file;
  }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }
  std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override {
    return std::nullopt;
  }

 private:
  DialogPrompt real_;
};

// A virtual card of the given size and model on a free loopback port, started; nullptr with a
// failure when it cannot start.
inline std::unique_ptr<signsim::Card> startShotCard(
    int width, int height, int model, uint32_t features = signsim::CardOptions{}.features) {
  signsim::CardOptions options = loopbackCard(width, height, model, false);
  options.features = features;
  return startCard(options);
}

// `ws` connected over TCP/IP to `card` through `link`, as after the operator's connect; false
// when the link library cannot reach the card.
inline bool connectShotCard(Workspace& ws, LinkLibraries& link, const signsim::Card& card) {
  ws.setLink(&link);
  ws.commSettings.Transport = QStringLiteral("1");
  if (link.Connect(QStringLiteral("127.0.0.1"), card.tcpPort()) != 0) return false;
  ws.markConnected();
  return true;
}

#pragma once

#include <QStringList>
#include <functional>

#include "Prompt.h"

// Records every message, and lets a test look at the windows while a message is up (the send
// and fetch dialogs stay open under their result until it is confirmed).
class WatchPrompt final : public Prompt {
 public:
  QStringList messages;
  std::function<void(const QString&)> onMessage;
  QString file, folder;  // what the file and folder dialogs answer

  void message(QWidget*, const QString& text) override {
    messages << text;
    if (onMessage) onMessage(text);
  }
  bool question(QWidget*, const QString&) override { return false; }
  QString openFile(QWidget*, const QString&, const QString&) override { return file; }
  QString chooseFolder(QWidget*, const QString&) override { return folder; }
  std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override {
    return std::nullopt;
  }
};

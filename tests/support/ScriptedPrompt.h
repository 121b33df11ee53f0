#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "Prompt.h"

// A Prompt for tests: records every message and question, and answers from scripted queues.
// An unscripted question is answered No, an unscripted dialog is cancelled. onMessage lets a
// test look at the windows while a message is up (the send and fetch dialogs stay open under
// their result until it is confirmed).
class ScriptedPrompt final : public Prompt {
 public:
  QStringList messages;
  QStringList questions;
  QStringList dialogTitles;

  std::deque<bool> answers;
  std::deque<QString> files;
  std::deque<QString> folders;
  std::deque<std::optional<FontChoice>> fonts;
  std::vector<FontChoice> fontsShown;  // what each font dialog opened on
  std::function<void(const QString&)> onMessage;

  void message(QWidget*, const QString& text) override {
    messages << text;
    if (onMessage) onMessage(text);
  }
  bool question(QWidget*, const QString& text) override {
    questions << text;
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  QString openFile(QWidget*, const QString& title, const QString&) override {
    dialogTitles << title;
    return take(files);
  }
  QString chooseFolder(QWidget*, const QString& title) override {
    dialogTitles << title;
    return take(folders);
  }
  std::optional<FontChoice> chooseFont(QWidget*, const FontChoice& initial) override {
    dialogTitles << QStringLiteral("font");
    fontsShown.push_back(initial);
    if (fonts.empty()) return std::nullopt;
    auto f = fonts.front();
    fonts.pop_front();
    return f;
  }

 private:
  static QString take(std::deque<QString>& q) {
    if (q.empty()) return {};
    QString s = q.front();
    q.pop_front();
    return s;
  }
};

#pragma once

#include <QString>
#include <stdexcept>

// A failure the operator must be told about, carrying its text in the UI's language.
// Handlers catch it at their edge and show the text once in a "提示" box.
class LedError : public std::runtime_error {
 public:
  explicit LedError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

#pragma once
// A language made up for a test: every text the program translates while it lives comes from a
// function of its context and source text (an empty result keeps the source).

#include <QCoreApplication>
#include <QTranslator>
#include <functional>
#include <utility>

class TestTranslator : public QTranslator {
 public:
  using Words = std::function<QString(const char* context, const char* source)>;
  explicit TestTranslator(Words words) : words_(std::move(words)) {
    QCoreApplication::installTranslator(this);
  }
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    return words_(context, source);
  }

 private:
  Words words_;
};

#pragma once

#include <QRegularExpression>
#include <QString>

// Whether `text` holds a Chinese character: the unified ideographs, the CJK punctuation or the
// full-width forms.
inline bool hasChinese(const QString& text) {
  static const QRegularExpression chinese(
      QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
  return chinese.match(text).hasMatch();
}

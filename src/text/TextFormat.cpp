#include "TextFormat.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace ledtext {

bool isLedColour(const QColor& colour) {
  const QRgb rgb = colour.rgb() & 0xFFFFFF;
  return colour.isValid() && colour.alpha() == 255 &&
         (rgb == (Red.rgb() & 0xFFFFFF) || rgb == (Green.rgb() & 0xFFFFFF) ||
          rgb == (Yellow.rgb() & 0xFFFFFF));
}

qreal layoutDpi() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const qreal dpi = screen->logicalDotsPerInchY();
      if (dpi > 0) return dpi;
    }
  }
  return 96.0;
}

qreal pointsToPixels(qreal points) { return points * layoutDpi() / 72.0; }
qreal pixelsToPoints(qreal pixels) { return pixels * 72.0 / layoutDpi(); }

int lineSpacingValue(const QString& text) {
  int v = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') break;
    v = std::min(v * 10 + (c.unicode() - u'0'), 100000);
  }
  return v;
}

QTextBlockFormat lineSpacingFormat(LineSpacingRule rule, int v) {
  QTextBlockFormat f;
  switch (rule) {
    case LineSpacingRule::OneAndHalf:
      f.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
      return f;
    case LineSpacingRule::Double:
      f.setLineHeight(200, QTextBlockFormat::ProportionalHeight);
      return f;
    case LineSpacingRule::AtLeast:
      if (v > 0) {
        f.setLineHeight(pointsToPixels(v), QTextBlockFormat::MinimumHeight);
        return f;
      }
      break;
    case LineSpacingRule::Exactly:
      if (v > 0) {
        f.setLineHeight(pointsToPixels(v), QTextBlockFormat::FixedHeight);
        return f;
      }
      break;
    case LineSpacingRule::Multiple:
      if (v > 0) {
        f.setLineHeight(100.0 * v, QTextBlockFormat::ProportionalHeight);
        return f;
      }
      break;
    case LineSpacingRule::Single:
      break;
  }
  f.setLineHeight(0, QTextBlockFormat::SingleHeight);
  return f;
}

QString faceOf(const QTextCharFormat& format, const QString& defaultFace) {
  const QStringList families = format.fontFamilies().toStringList();
  if (!families.isEmpty() && !families.first().isEmpty()) return families.first();
  // The single-family property that older code (and QTextCharFormat::setFont) may leave.
  const QString family = format.stringProperty(QTextFormat::OldFontFamily);
  return family.isEmpty() ? defaultFace : family;
}

void makeAliased(QTextDocument& document) {
  QFont font = document.defaultFont();
  if (font.styleStrategy() != QFont::NoAntialias) {
    font.setStyleStrategy(QFont::NoAntialias);
    document.setDefaultFont(font);
  }
  QTextCharFormat aliased;
  aliased.setFontStyleStrategy(QFont::NoAntialias);
  QTextCursor cursor(&document);
  cursor.select(QTextCursor::Document);
  cursor.mergeCharFormat(aliased);
}

}  // namespace ledtext

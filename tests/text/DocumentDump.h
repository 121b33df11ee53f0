#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

#include "TextFormat.h"

// A document as text, one line per paragraph and run, with every property the editor offers
// resolved against the document's defaults, so two documents compare by what they show.
inline QString dumpDocument(const QTextDocument& doc, const QColor& defaultColour = ledtext::Red) {
  QStringList out;
  const QString defaultFace = doc.defaultFont().family();
  const qreal defaultSize = doc.defaultFont().pointSizeF();
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextBlockFormat bf = b.blockFormat();
    const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
    const char* align = (a & Qt::AlignHCenter)   ? "centre"
                        : (a & Qt::AlignRight)   ? "right"
                        : (a & Qt::AlignJustify) ? "justify"
                                                 : "left";
    // Line heights in hundredths of their unit, so that float noise does not count.
    out << QStringLiteral("P %1 lh%2:%3")
               .arg(QLatin1String(align))
               .arg(bf.lineHeightType())
               .arg(std::lround(bf.lineHeight() * 100));
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QTextCharFormat cf = f.charFormat();
      const qreal size =
          cf.hasProperty(QTextFormat::FontPointSize) ? cf.fontPointSize() : defaultSize;
      const QColor colour =
          cf.foreground().style() != Qt::NoBrush ? cf.foreground().color() : defaultColour;
      out << QStringLiteral("  [%1] %2 %3pt %4%5%6%7%8")
                 .arg(f.text(), ledtext::faceOf(cf, defaultFace))
                 .arg(size)
                 .arg(colour.name())
                 .arg(cf.fontWeight() >= QFont::DemiBold ? " b" : "")
                 .arg(cf.fontItalic() ? " i" : "")
                 .arg(cf.fontUnderline() ? " u" : "")
                 .arg(cf.fontStrikeOut() ? " s" : "");
    }
  }
  return out.join(u'\n');
}

#include "TextRender.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <cstring>
#include <memory>

#include "TextFormat.h"

namespace ledtext {

namespace {

// The lowest row the glyphs of a line reach, in document coordinates; the line's top for a line
// without glyphs.
qreal inkBottom(const QTextLayout& layout, const QTextLine& line) {
  const qreal blockTop = layout.position().y();
  qreal bottom = blockTop + line.y();
  for (const QGlyphRun& run : line.glyphRuns()) {
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
      const QRectF box = font.boundingRect(glyphs[i]);
      if (!box.isEmpty()) bottom = std::max(bottom, blockTop + positions[i].y() + box.bottom());
    }
  }
  return bottom;
}

bool holdsText(const QString& blockText, const QTextLine& line) {
  const qsizetype end = std::min<qsizetype>(blockText.size(), line.textStart() + line.textLength());
  for (qsizetype i = std::max(0, line.textStart()); i < end; ++i)
    if (!blockText[i].isSpace()) return true;
  return false;
}

struct Cut {
  qreal top;        // where the first dropped line starts, or the height when all fit
  int dropped = 0;  // lines with text from that one on
};

Cut findCut(const QTextDocument& document, qreal height) {
  Cut cut{height};
  bool cutting = false;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (layout == nullptr) continue;
    const QString text = block.text();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      if (!cutting) {
        const qreal top = layout->position().y() + line.y();
        if (top < height && inkBottom(*layout, line) <= height + 0.001) continue;
        cutting = true;
        cut.top = std::min(top, height);
      }
      if (holdsText(text, line)) ++cut.dropped;
    }
  }
  return cut;
}

}  // namespace

RenderedText renderText(const QTextDocument& document, QSize size, const QColor& defaultColour) {
  RenderedText out;
  QImage& picture = out.picture;
  picture = QImage(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
  picture.fill(Qt::black);
  if (picture.isNull() || document.isEmpty()) return out;
  const int dotsPerMeter = int(std::lround(layoutDpi() / 0.0254));
  picture.setDotsPerMeterX(dotsPerMeter);
  picture.setDotsPerMeterY(dotsPerMeter);

  // A copy, so the editor's own document keeps its layout and undo history.
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->setDocumentMargin(document.documentMargin());
  copy->setDefaultTextOption(document.defaultTextOption());
  copy->setDefaultFont(document.defaultFont());
  makeAliased(*copy);
  copy->setTextWidth(size.width());
  copy->documentLayout()->documentSize();  // lays the whole document out

  const Cut cut = findCut(*copy, size.height());
  out.droppedLines = cut.dropped;
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  const QRectF visible(0, 0, size.width(), cut.top);
  painter.setClipRect(visible);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, defaultColour);
  context.clip = visible;
  copy->documentLayout()->draw(&painter, context);
  return out;
}

TextBand findTextBand(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  TextBand band;
  bool found = false;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    bool ink = false;
    for (int x = 0; x < rgb.width() && !ink; ++x) ink = (row[x] & 0xFFFFFF) != 0;
    if (!ink) continue;
    if (!found) band.top = y;
    band.bottom = y;
    found = true;
  }
  return band;
}

int bandRow(int pictureHeight, int bandHeight, int placement) {
  switch (placement) {
    case 0:
      return 0;
    case 1:
      return pictureHeight / 2 - bandHeight / 2;
    default:
      return pictureHeight - bandHeight;
  }
}

QImage placeTextBand(const QImage& rendered, int placement) {
  const QImage source = rendered.convertToFormat(QImage::Format_RGB32);
  QImage placed(source.size(), QImage::Format_RGB32);
  placed.setDotsPerMeterX(source.dotsPerMeterX());
  placed.setDotsPerMeterY(source.dotsPerMeterY());
  placed.fill(Qt::black);
  if (source.isNull()) return placed;
  const TextBand band = findTextBand(source);
  const int h = band.height();
  const int y = bandRow(source.height(), h, placement);
  const qsizetype rowBytes = qsizetype(source.width()) * 4;
  for (int r = 0; r < h; ++r)
    std::memcpy(placed.scanLine(y + r), source.constScanLine(band.top + r), size_t(rowBytes));
  return placed;
}

}  // namespace ledtext

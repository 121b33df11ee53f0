#include "TextRender.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <cstring>
#include <memory>

#include "TextFormat.h"

namespace ledtext {

namespace {

// The top of the first line whose box does not end within height, or height when all fit.
qreal firstDroppedLineTop(const QTextDocument& document, qreal height) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (layout == nullptr) continue;
    const qreal blockTop = layout->position().y();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      const qreal top = blockTop + line.y();
      if (top + line.height() > height + 0.001) return std::min(top, height);
    }
  }
  return height;
}

}  // namespace

QImage renderRichText(const QTextDocument& document, QSize size, const QColor& defaultColour) {
  QImage picture(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
  picture.fill(Qt::black);
  if (picture.isNull() || document.isEmpty()) return picture;
  const int dotsPerMeter = int(std::lround(layoutDpi() / 0.0254));
  picture.setDotsPerMeterX(dotsPerMeter);
  picture.setDotsPerMeterY(dotsPerMeter);

  // A copy, so the editor's own document keeps its layout and undo history.
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->setDocumentMargin(document.documentMargin());
  copy->setDefaultTextOption(document.defaultTextOption());
  makeAliased(*copy);
  copy->setTextWidth(size.width());
  copy->documentLayout()->documentSize();  // lays the whole document out

  const qreal cut = firstDroppedLineTop(*copy, size.height());
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  const QRectF visible(0, 0, size.width(), cut);
  painter.setClipRect(visible);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, defaultColour);
  context.clip = visible;
  copy->documentLayout()->draw(&painter, context);
  return picture;
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

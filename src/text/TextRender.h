#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QTextDocument;

// The program picture of a text program.
namespace ledtext {

// A rendered program picture, and how many lines holding text were left out of it.
struct RenderedText {
  QImage picture;
  int droppedLines = 0;
};

// Lays the document out at size.width() exactly as the editor's view does (same margin, same
// text option, same faces without anti-aliasing) and draws it on a black 24-bit picture of the
// given size. A line fits when its glyphs end within the height, as the operator sees it in the
// editor: its line box may reach further, since a face's fallback for Chinese often has a taller
// box than its glyphs. From the first line that does not fit, every line is dropped, not cut.
// Text without a colour of its own is drawn in defaultColour.
RenderedText renderText(const QTextDocument& document, QSize size,
                        const QColor& defaultColour = QColor(255, 0, 0));
inline QImage renderRichText(const QTextDocument& document, QSize size,
                             const QColor& defaultColour = QColor(255, 0, 0)) {
  return renderText(document, size, defaultColour).picture;
}

// Rows holding any non-black pixel: [top, bottom]; {0, 0} for an all-black picture.
struct TextBand {
  int top = 0;
  int bottom = 0;
  int height() const { return bottom - top + 1; }
  bool operator==(const TextBand&) const = default;
};
TextBand findTextBand(const QImage& picture);

// The picture with its text band moved to the top (0), the middle (1) or the bottom (2, and any
// other value), keeping every column.
QImage placeTextBand(const QImage& rendered, int placement);

// The row at which a band of bandHeight rows starts in a picture of pictureHeight rows.
int bandRow(int pictureHeight, int bandHeight, int placement);

}  // namespace ledtext

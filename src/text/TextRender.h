#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QTextDocument;

// The program picture of a text program.
namespace ledtext {

// Lays the document out at size.width() (as the editor does, with the document's own margin) and
// draws it without anti-aliasing on a black 24-bit picture of the given size. Lines that do not
// fit whole into the height are dropped, not cut. Text without a colour of its own is drawn in
// defaultColour.
QImage renderRichText(const QTextDocument& document, QSize size,
                      const QColor& defaultColour = QColor(255, 0, 0));

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

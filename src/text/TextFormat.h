#pragma once

#include <QColor>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

class QTextDocument;

// Shared vocabulary of the text programs: the three LED colours, the editor's defaults, the six
// line-spacing rules and the conversions between points, twips and layout pixels.
namespace ledtext {

inline const QColor Red{255, 0, 0};
inline const QColor Green{0, 128, 0};
inline const QColor Yellow{255, 255, 0};

// True for exactly (255,0,0), (0,128,0) and (255,255,0): the only text colours a sign can show.
bool isLedColour(const QColor& colour);

// The editor's default face, and the size the window gives new text when it opens.
inline const QString DefaultFace = QStringLiteral("宋体");
constexpr int DefaultPointSize = 20;

// Pixels per inch at which documents are laid out and pictures are drawn: the screen's logical
// resolution when a screen exists, 96 otherwise. The editor and the renderer must agree on it.
qreal layoutDpi();
qreal pointsToPixels(qreal points);
qreal pixelsToPoints(qreal pixels);

// The six rules of the line-spacing list, in list order.
enum class LineSpacingRule { Single = 0, OneAndHalf, Double, AtLeast, Exactly, Multiple };

// v of the value field: its leading decimal digits ("1.5" gives 1, "" gives 0), capped far below
// overflow.
int lineSpacingValue(const QString& text);

// The block format change that the rule with value v (points, or lines for Multiple) makes. A
// value of 0 with the last three rules means single spacing, as 0 points or 0 lines would stack
// every line of the paragraph on one row.
QTextBlockFormat lineSpacingFormat(LineSpacingRule rule, int v);

// The face of a character format, with the document's default when the format names none.
QString faceOf(const QTextCharFormat& format, const QString& defaultFace);

// Makes every character of the document, and its default font, draw without anti-aliasing, so
// that each ink pixel has exactly its character's colour. Layout is unchanged by the call because
// the editor's own document is kept in the same state.
void makeAliased(QTextDocument& document);

}  // namespace ledtext

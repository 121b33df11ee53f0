#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

#include "TextFormat.h"
#include "TextRender.h"

using namespace ledtext;

namespace {

QImage blackPicture(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::black);
  return img;
}

// A picture with ink in rows first..last (one pixel per row, at a column of its own).
QImage bandPicture(int w, int h, int first, int last, int column = 5) {
  QImage img = blackPicture(w, h);
  for (int y = first; y <= last; ++y) img.setPixel(column, y, qRgb(255, 0, 0));
  return img;
}

QTextDocument* editorDocument(QObject* parent) {
  auto* doc = new QTextDocument(parent);
  doc->setDocumentMargin(0);
  doc->setDefaultFont(QFont(DefaultFace, DefaultPointSize));
  return doc;
}

}  // namespace

struct PlacementCase {
  const char* name;
  int height, first, last, placement;
  int expectedFirst;
};
void PrintTo(const PlacementCase& row, std::ostream* os) { *os << row.name; }

class BandPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(BandPlacement, RowsLandWhereTheRuleSays) {
  const auto& c = GetParam();
  const QImage placed = placeTextBand(bandPicture(40, c.height, c.first, c.last), c.placement);
  const int rows = c.last - c.first + 1;
  EXPECT_EQ(findTextBand(placed), (TextBand{c.expectedFirst, c.expectedFirst + rows - 1}));
  for (int r = 0; r < rows; ++r) EXPECT_EQ(placed.pixel(5, c.expectedFirst + r), qRgb(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Rule, BandPlacement,
    ::testing::Values(PlacementCase{"Band15Middle", 32, 3, 17, 1, 9},  // 16 - 7
                      PlacementCase{"Band16Middle", 32, 0, 15, 1, 8},  // 16 - 8
                      PlacementCase{"Band15Top", 32, 10, 24, 0, 0},
                      PlacementCase{"Band15Bottom", 32, 0, 14, 2, 17},  // last ink on row 31
                      PlacementCase{"OtherValueActsAsBottom", 32, 0, 14, 7, 17},
                      PlacementCase{"FullHeightTop", 32, 0, 31, 0, 0},
                      PlacementCase{"FullHeightMiddle", 32, 0, 31, 1, 0},
                      PlacementCase{"FullHeightBottom", 32, 0, 31, 2, 0},
                      PlacementCase{"InkInRowZeroKept", 32, 0, 4, 0, 0},
                      PlacementCase{"OddPictureMiddle", 33, 1, 5, 1, 14}),  // 16 - 2
    [](const auto& row) { return std::string(row.param.name); });

TEST(BandPlacement, AllBlackStaysAllBlack) {
  for (int p = 0; p < 3; ++p) {
    const QImage placed = placeTextBand(blackPicture(64, 32), p);
    EXPECT_EQ(placed.size(), QSize(64, 32));
    EXPECT_EQ(findTextBand(placed), (TextBand{0, 0}));
    EXPECT_EQ(placed.pixel(0, 0) & 0xFFFFFF, 0u);
  }
}

TEST(BandPlacement, GreyPixelWidensTheBandAndColumnsStay) {
  QImage img = bandPicture(64, 32, 10, 12, 40);
  img.setPixel(63, 20, qRgb(1, 1, 1));
  const QImage placed = placeTextBand(img, 0);
  EXPECT_EQ(findTextBand(placed), (TextBand{0, 10}));
  EXPECT_EQ(placed.pixel(40, 0), qRgb(255, 0, 0));
  EXPECT_EQ(placed.pixel(63, 10), qRgb(1, 1, 1));
}

TEST(RenderRichText, EmptyEditorGivesBlackPictureOfTheProgramSize) {
  QObject owner;
  QTextDocument* doc = editorDocument(&owner);
  const QImage img = renderRichText(*doc, QSize(64, 32));
  EXPECT_EQ(img.size(), QSize(64, 32));
  EXPECT_EQ(findTextBand(img), (TextBand{0, 0}));
  EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0u);
}

TEST(RenderRichText, EveryInkPixelIsOneOfTheThreeColours) {
  QObject owner;
  QTextDocument* doc = editorDocument(&owner);
  QTextCursor c(doc);
  QTextCharFormat f;
  f.setForeground(Red);
  c.insertText(QStringLiteral("红色文字 Red "), f);
  f.setForeground(Green);
  f.setFontUnderline(true);
  c.insertText(QStringLiteral("绿色文字 Green "), f);
  f.setForeground(Yellow);
  f.setFontWeight(QFont::Bold);
  f.setFontItalic(true);
  f.setFontStrikeOut(true);
  f.setFontPointSize(9);
  c.insertText(QStringLiteral("黄色文字 Yellow"), f);
  c.insertText(QStringLiteral("默认"), QTextCharFormat());  // no colour: the default red
  const QImage img = renderRichText(*doc, QSize(256, 96));
  QSet<QRgb> colours;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) colours.insert(img.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(colours, (QSet<QRgb>{0x000000, 0xFF0000, 0x008000, 0xFFFF00}));
}

TEST(RenderRichText, TextLongerThanTheProgramIsCutAfterTheLastWholeLine) {
  QObject owner;
  QTextDocument* doc = editorDocument(&owner);
  QFont font(DefaultFace, DefaultPointSize);
  font.setStyleStrategy(QFont::NoAntialias);
  const qreal line = QFontMetricsF(font).height();
  ASSERT_GT(line, 20.0);
  ASSERT_LT(line, 40.0);
  const int height = int(std::floor(2.5 * line));  // two lines fit whole, the third does not
  QString text;
  for (int i = 0; i < 10; ++i) text += QStringLiteral("田田\n");
  doc->setPlainText(text);
  const RenderedText rendered = renderText(*doc, QSize(200, height));
  EXPECT_EQ(rendered.droppedLines, 8);  // the empty paragraph at the end holds no text
  const QImage& img = rendered.picture;
  const TextBand band = findTextBand(img);
  EXPECT_LT(band.bottom, int(std::ceil(2 * line)));  // nothing of the third line
  EXPECT_GT(band.bottom, int(std::floor(line)));     // the second line is there
  for (int y = int(std::ceil(2 * line)); y < height; ++y)
    for (int x = 0; x < img.width(); ++x)
      ASSERT_EQ(img.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
}

// A face without Chinese glyphs draws them from a fallback whose line box is taller than the
// glyphs: the line is kept when its glyphs fit, as the editor shows it.
TEST(RenderRichText, LineWhoseGlyphsFitIsKeptThoughItsBoxIsTaller) {
  QObject owner;
  QTextDocument* doc = editorDocument(&owner);
  QTextCharFormat f;
  f.setFontFamilies({QStringLiteral("Sans Serif")});
  f.setFontPointSize(DefaultPointSize);
  f.setForeground(Green);
  QTextCursor(doc).insertText(QStringLiteral("欢迎"), f);
  makeAliased(*doc);
  doc->setTextWidth(64);
  doc->documentLayout()->documentSize();
  const qreal box = doc->begin().layout()->lineAt(0).height();
  const RenderedText rendered = renderText(*doc, QSize(64, 32));
  EXPECT_EQ(rendered.droppedLines, 0) << "line box " << box;
  int green = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) green += (rendered.picture.pixel(x, y) & 0xFFFFFF) == 0x008000;
  EXPECT_GT(green, 50);
  EXPECT_LT(findTextBand(rendered.picture).bottom, 32);
}

TEST(RenderRichText, WrapsAtTheProgramWidth) {
  QObject owner;
  QTextDocument* doc = editorDocument(&owner);
  doc->setPlainText(QStringLiteral("田田田田田田田田"));  // eight 27-pixel glyphs: 216 pixels
  const TextBand wide = findTextBand(renderRichText(*doc, QSize(256, 128)));
  const TextBand narrow = findTextBand(renderRichText(*doc, QSize(64, 128)));
  EXPECT_LT(wide.height(), 32);
  EXPECT_GT(narrow.height(), 64);  // at least three lines of two or three glyphs
}

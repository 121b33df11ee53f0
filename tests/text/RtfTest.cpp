#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "DocumentDump.h"
#include "LibreOfficePage.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "TextFormat.h"

using namespace ledtext;

namespace {

QTextCharFormat run(const QString& face, qreal points, const QColor& colour) {
  QTextCharFormat f;
  f.setFontFamilies({face});
  f.setFontPointSize(points);
  f.setForeground(colour);
  return f;
}

void setupEditorDocument(QTextDocument& doc) {
  doc.setDefaultFont(QFont(DefaultFace, DefaultPointSize));
}

// One paragraph per line-spacing rule and alignment, runs in every colour, face, size and style.
void buildEveryFeature(QTextDocument& doc) {
  setupEditorDocument(doc);
  QTextCursor c(&doc);
  QTextBlockFormat p = lineSpacingFormat(LineSpacingRule::Single, 0);
  p.setAlignment(Qt::AlignLeft);
  c.setBlockFormat(p);
  c.insertText(QStringLiteral("红色中文"), run(DefaultFace, 20, Red));
  QTextCharFormat bold = run(DefaultFace, 20, Green);
  bold.setFontWeight(QFont::Bold);
  c.insertText(QStringLiteral("绿色粗体"), bold);
  QTextCharFormat italic = run(QStringLiteral("DejaVu Sans"), 12, Yellow);
  italic.setFontItalic(true);
  italic.setFontUnderline(true);
  c.insertText(QStringLiteral("Latin {braces} \\ back"), italic);

  const struct {
    LineSpacingRule rule;
    int v;
    Qt::Alignment align;
  } paragraphs[] = {{LineSpacingRule::OneAndHalf, 0, Qt::AlignHCenter},
                    {LineSpacingRule::Double, 0, Qt::AlignRight},
                    {LineSpacingRule::AtLeast, 30, Qt::AlignLeft},
                    {LineSpacingRule::Exactly, 20, Qt::AlignHCenter},
                    {LineSpacingRule::Multiple, 3, Qt::AlignRight}};
  int i = 0;
  for (const auto& para : paragraphs) {
    QTextBlockFormat f = lineSpacingFormat(para.rule, para.v);
    f.setAlignment(para.align);
    c.insertBlock(f);
    QTextCharFormat strike = run(i % 2 ? QStringLiteral("AR PL UMing CN") : DefaultFace, 9 + 7 * i,
                                 i % 3 == 0   ? Red
                                 : i % 3 == 1 ? Green
                                              : Yellow);
    strike.setFontStrikeOut(i == 2);
    strike.setFontItalic(i == 3);
    c.insertText(QStringLiteral("第%1段，标点。").arg(i + 2), strike);
    c.insertText(QString(QChar(QChar::LineSeparator)) + QStringLiteral("换行\t制表"), strike);
    ++i;
  }
  // Characters GBK lacks: a Korean syllable, a Latin letter with breve and an emoji (surrogates).
  c.insertBlock(lineSpacingFormat(LineSpacingRule::Single, 0));
  c.insertText(QStringLiteral("한ğ😀€é"), run(DefaultFace, 20, Red));
  c.insertText(QStringLiteral("한ğ😀"), run(QStringLiteral("DejaVu Sans"), 20, Green));
  c.insertBlock(lineSpacingFormat(LineSpacingRule::Single, 0));  // an empty last paragraph
}

QString roundTrip(const QTextDocument& doc) {
  QTextDocument back;
  setupEditorDocument(back);
  readRtf(writeRtf(doc), back);
  return dumpDocument(back);
}

QString readFixture(const char* rtf) {
  QTextDocument doc;
  setupEditorDocument(doc);
  readRtf(QByteArray(rtf), doc);
  return dumpDocument(doc, QColor(Qt::black));
}

}  // namespace

TEST(RtfRoundTrip, EveryEditorFeatureReadsBackTheSame) {
  QTextDocument doc;
  buildEveryFeature(doc);
  EXPECT_EQ(roundTrip(doc).toStdString(), dumpDocument(doc).toStdString());
}

TEST(RtfRoundTrip, EmptyDocumentStaysEmpty) {
  QTextDocument doc;
  setupEditorDocument(doc);
  QTextDocument back;
  setupEditorDocument(back);
  back.setPlainText(QStringLiteral("old"));
  readRtf(writeRtf(doc), back);
  EXPECT_TRUE(back.isEmpty());
  EXPECT_EQ(back.blockCount(), 1);
}

TEST(RtfRoundTrip, RunWithoutColourIsWrittenInTheDefaultRed) {
  QTextDocument doc;
  setupEditorDocument(doc);
  QTextCursor(&doc).insertText(QStringLiteral("字"));
  const QByteArray rtf = writeRtf(doc);
  EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}")) << rtf.constData();
  EXPECT_TRUE(rtf.contains("\\cf1")) << rtf.constData();
}

TEST(RtfWriter, HeaderFontTableAndGbkBytesAreAsWordProcessorsExpect) {
  QTextDocument doc;
  setupEditorDocument(doc);
  QTextCursor c(&doc);
  QTextBlockFormat centre;
  centre.setAlignment(Qt::AlignHCenter);
  c.setBlockFormat(centre);
  QTextCharFormat f = run(DefaultFace, 20, Green);
  f.setFontWeight(QFont::Bold);
  c.insertText(QStringLiteral("中文"), f);
  c.insertText(QStringLiteral("A"), run(QStringLiteral("Arial"), 10.5, Yellow));
  c.insertBlock(lineSpacingFormat(LineSpacingRule::Exactly, 20));
  c.insertText(QStringLiteral("한"), run(DefaultFace, 20, Red));
  // Typed out by hand: 宋体 is CB CE CC E5 and 中文 D6 D0 CE C4 in GBK; 한 is U+D55C = -10916.
  const QByteArray expected =
      "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang2052"
      "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Arial;}}\n"
      "{\\colortbl ;\\red0\\green128\\blue0;\\red255\\green255\\blue0;\\red255\\green0\\blue0;}\n"
      "\\viewkind4\\uc1\\pard\\qc \\fs40\\cf1\\b \\'d6\\'d0\\'ce\\'c4\\f1\\fs21\\cf2\\b0 A\\par\n"
      "\\pard\\ql\\sl-400\\slmult0 \\f0\\fs40\\cf3 \\u-10916?\n}\n";
  EXPECT_EQ(writeRtf(doc).toStdString(), expected.toStdString());
}

TEST(RtfReader, WordPadStyleFixture) {
  const char* rtf =
      "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
      "{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss\\fcharset0 "
      "Arial;}}\r\n"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\r\n"
      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
      "\\pard\\sa200\\sl276\\slmult1\\qc\\cf1\\f0\\fs40\\'d6\\'d0\\'ce\\'c4\\cf2\\b\\f1 "
      "ABC\\b0\\par\r\n"
      "\\pard\\cf0\\f0\\fs24\\lang2052\\'b2\\'e2\\'ca\\'d4\\line x\\par\r\n"
      "}\r\n";
  const QString expected =
      "P centre lh1:11500\n"
      "  [中文] 宋体 20pt #ff0000\n"
      "  [ABC] Arial 20pt #008000 b\n"
      "P left lh0:0\n"
      "  [测试\u2028x] 宋体 12pt #000000\n"
      "P left lh0:0";
  EXPECT_EQ(readFixture(rtf).toStdString(), expected.toStdString());
}

TEST(RtfReader, LibreOfficeStyleFixture) {
  const char* rtf =
      "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
      "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 "
      "Symbol;}{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif{\\*\\falt Times New Roman};}"
      "{\\f4\\fnil\\fprq2\\fcharset134 AR PL UMing CN;}}\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}\n"
      "{\\stylesheet{\\s0\\snext0\\dbch\\af4\\langfe2052\\loch\\f3\\fs24\\lang2052 Normal;}}\n"
      "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64}\n"
      "{\\info{\\creatim\\yr2024\\mo1\\dy1\\hr0\\min0}{\\author Someone}}\n"
      "{\\*\\pgdsctbl{\\pgdsc0\\pgdscuse451{\\*\\pgdscnxt0 Default Page Style;}}}\n"
      "\\formshade\\paperh16838\\paperw11906\\sectd\\sbknone{\\*\\ftnsep\\chftnsep}\\pgndec"
      "\\pard\\plain \\s0\\loch\\f3\\fs24\\qr{\\cf2\\loch\\f4\\u20013\\'3f\\u25991\\'3f"
      "\\u-10179\\'3f\\u-8704\\'3f}{\\cf3\\b Bold}{\\*\\bkmkstart x}{\\pict\\pngblip 89504e47}"
      "{\\object{\\*\\objdata 0102}{\\result}}\n"
      "\\par \\pard\\plain \\s0\\qc\\sl-400\\slmult0{\\i\\strike {\\field{\\*\\fldinst HYPERLINK "
      "\"http://x\" }{\\fldrslt link}}}{\\uc2\\u26159\\'ca\\'c7}\\'41\n"
      "\\par }";
  const QString expected =
      "P right lh0:0\n"
      "  [中文😀] AR PL UMing CN 12pt #ff0000\n"
      "  [Bold] Liberation Serif 12pt #ffff00 b\n"
      "P centre lh2:2667\n"
      "  [link] Liberation Serif 12pt #000000 i s\n"
      "  [是A] Liberation Serif 12pt #000000\n"
      "P centre lh2:2667";
  EXPECT_EQ(readFixture(rtf).toStdString(), expected.toStdString());
}

// LibreOffice gives Chinese text its own face, size, bold and italic as associated properties
// after \dbch, next to the Latin ones; the ones after \rtlch are for right-to-left scripts.
TEST(RtfReader, LibreOfficeAssociatedPropertiesFormatTheChineseText) {
  EXPECT_EQ(readFixture(kLibreOfficePage).toStdString(), std::string(kLibreOfficePageDump));
}

// The last paragraph has no \par after it: its format is read all the same, for one paragraph
// and for the last of two, whatever the format.
struct ParagraphCase {
  const char* name;
  LineSpacingRule rule;
  int v;
  Qt::Alignment align;
};

class LastParagraph : public ::testing::TestWithParam<ParagraphCase> {};

TEST_P(LastParagraph, KeepsItsFormatThroughWriteAndRead) {
  const ParagraphCase& p = GetParam();
  QTextBlockFormat f = lineSpacingFormat(p.rule, p.v);
  f.setAlignment(p.align);
  for (const QString& text : {QStringLiteral("AB"), QStringLiteral("AB\nCD")}) {
    QTextDocument doc;
    setupEditorDocument(doc);
    QTextCursor c(&doc);
    c.insertText(text, run(DefaultFace, 20, Red));
    c.select(QTextCursor::Document);
    c.mergeBlockFormat(f);
    EXPECT_EQ(roundTrip(doc).toStdString(), dumpDocument(doc).toStdString())
        << writeRtf(doc).data();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LastParagraph,
    ::testing::Values(
        ParagraphCase{"CentredSingle", LineSpacingRule::Single, 0, Qt::AlignHCenter},
        ParagraphCase{"RightOneAndHalf", LineSpacingRule::OneAndHalf, 0, Qt::AlignRight},
        ParagraphCase{"CentredDouble", LineSpacingRule::Double, 0, Qt::AlignHCenter},
        ParagraphCase{"RightAtLeast30", LineSpacingRule::AtLeast, 30, Qt::AlignRight},
        ParagraphCase{"LeftExactly20", LineSpacingRule::Exactly, 20, Qt::AlignLeft},
        ParagraphCase{"CentredMultiple3", LineSpacingRule::Multiple, 3, Qt::AlignHCenter}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RtfReader, AdjacentRunsOfOneFormatBecomeOne) {
  QByteArray rtf = "{\\rtf1\\ansi ";
  for (int i = 0; i < 1000; ++i) rtf += "{\\b0\\cf0 x}\\plain y";
  rtf += "}";
  QTextDocument doc;
  readRtf(rtf, doc);
  int fragments = 0;
  for (auto it = doc.begin().begin(); !it.atEnd(); ++it) ++fragments;
  EXPECT_EQ(fragments, 1);
  EXPECT_EQ(doc.characterCount(), 2001);
}

TEST(RtfReader, NestedGroupsRestoreFormattingAndPlainResets) {
  const char* rtf =
      "{\\rtf1\\ansi{\\colortbl;\\red0\\green128\\blue0;}a{\\b b{\\i\\cf1 c}d}e\\b\\ul f\\plain g"
      "\\ulnone\\strike h\\strike0 i}";
  const QString expected =
      "P left lh0:0\n"
      "  [a] 宋体 12pt #000000\n"
      "  [b] 宋体 12pt #000000 b\n"
      "  [c] 宋体 12pt #008000 b i\n"
      "  [d] 宋体 12pt #000000 b\n"
      "  [e] 宋体 12pt #000000\n"
      "  [f] 宋体 12pt #000000 b u\n"
      "  [g] 宋体 12pt #000000\n"
      "  [h] 宋体 12pt #000000 s\n"
      "  [i] 宋体 12pt #000000";
  EXPECT_EQ(readFixture(rtf).toStdString(), expected.toStdString());
}

TEST(RtfReader, GbkSecondByteWrittenAsLiteralCharacter) {
  // 丄 is 81 41 in GBK: some writers put the ASCII second byte as it is.
  EXPECT_EQ(readFixture("{\\rtf1\\ansi\\ansicpg936 \\'81A\\'d6\\'d0B}").toStdString(),
            "P left lh0:0\n  [丄中B] 宋体 12pt #000000");
}

TEST(RtfReader, PlainTextFileIsReadAsGbk) {
  QTextDocument doc;
  setupEditorDocument(doc);
  readRichOrPlainText(QByteArray("\xd6\xd0\xce\xc4\r\nline2"), doc);
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("中文\nline2"));
  EXPECT_FALSE(looksLikeRtf("plain {\\rtf"));
  EXPECT_TRUE(looksLikeRtf(" \r\n{\\rtf1}"));
}

// Each malformed input must load without crashing, quickly, to a bounded document.
struct MalformedCase {
  const char* name;
  QByteArray input;
  QString expectedText;  // "*" when any text is acceptable
};
void PrintTo(const MalformedCase& row, std::ostream* os) { *os << row.name; }

class RtfMalformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(RtfMalformed, LoadsWhatItCan) {
  const MalformedCase& c = GetParam();
  QTextDocument doc;
  QElapsedTimer timer;
  timer.start();
  readRtf(c.input, doc);
  EXPECT_LT(timer.elapsed(), 2000);
  EXPECT_LE(doc.characterCount(), c.input.size() + 1);
  if (c.expectedText != QStringLiteral("*")) {
    EXPECT_EQ(doc.toPlainText().toStdString(), c.expectedText.toStdString());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RtfMalformed,
    ::testing::Values(
        MalformedCase{"MissingClosingBraces", "{\\rtf1 abc{\\b def", "abcdef"},
        MalformedCase{"ExtraClosingBraces", "{\\rtf1 a}}}b", "a"},
        MalformedCase{"TruncatedHexEscape", "{\\rtf1 x\\'4", "x"},
        MalformedCase{"BadHexEscape", "{\\rtf1 x\\'zzy}", "xzzy"},
        MalformedCase{"BackslashAtEnd", "{\\rtf1 x\\", "x"},
        MalformedCase{"AbsurdNumbers",
                      "{\\rtf1 \\fs99999999999999999999 \\u99999999999999 \\cf-5 \\sl-999999999 "
                      "\\uc2147483647 \\f4294967296 a}",
                      "*"},
        MalformedCase{"HugeBinLength", "{\\rtf1 a\\bin999999999999 xyz}", "a"},
        MalformedCase{"LongControlWord", QByteArray("{\\rtf1 \\") + QByteArray(100000, 'x') + " a}",
                      "a"},
        MalformedCase{"DeepNesting",
                      "{\\rtf1 " + QByteArray(200000, '{') + "deep" + QByteArray(200000, '}') + "}",
                      ""},
        MalformedCase{"DeepNestingThenText",
                      "{\\rtf1 a" + QByteArray(100, '{') + "b" + QByteArray(100, '}') + "c}",
                      "abc"},
        MalformedCase{"ManyParagraphs", "{\\rtf1 " + QByteArray(20000, 'x').replace("x", "\\par"),
                      "*"},
        MalformedCase{"UnterminatedFontTable", "{\\rtf1{\\fonttbl{\\f0 Arial", ""},
        MalformedCase{"NulBytes", QByteArray("{\\rtf1 a\0b}", 11), "ab"},
        MalformedCase{"ByteOrderMarkAndTextOutsideTheGroup", "\xEF\xBB\xBF{\\rtf1 a}b", "a"},
        MalformedCase{"ZeroOutOfRangeAndUnpairedUnicode",
                      "{\\rtf1\\uc0 a\\u0 b\\u70000 c\\'00d\\u-10179 e\\u-8704 f\\'01g}",
                      "abcdefg"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RtfMalformedFuzz, MutatedWriterOutputNeverCrashes) {
  QTextDocument doc;
  buildEveryFeature(doc);
  const QByteArray base = writeRtf(doc);
  QRandomGenerator rng(4);
  const char alphabet[] = "{}\\'*09az- ;\x81\xfe";
  for (int round = 0; round < 300; ++round) {
    QByteArray bytes = base;
    const int edits = 1 + int(rng.bounded(20));
    for (int e = 0; e < edits; ++e) {
      const int at = int(rng.bounded(bytes.size()));
      switch (rng.bounded(3)) {
        case 0:
          bytes[at] = alphabet[rng.bounded(int(sizeof alphabet) - 1)];
          break;
        case 1:
          bytes.remove(at, int(rng.bounded(8)));
          break;
        default:
          bytes.insert(at, alphabet[rng.bounded(int(sizeof alphabet) - 1)]);
          break;
      }
    }
    bytes.truncate(int(rng.bounded(bytes.size() + 1)));
    QTextDocument back;
    readRtf(bytes, back);
    EXPECT_LE(back.characterCount(), bytes.size() + 1);
  }
}

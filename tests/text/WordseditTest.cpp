#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollArea>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "DocumentDump.h"
#include "GbkIni.h"
#include "LibreOfficePage.h"
#include "Prompt.h"
#include "RtfReader.h"
#include "TextFormat.h"
#include "TextRender.h"
#include "UpDown.h"
#include "Wordsedit.h"
#include "WorkspaceFixture.h"

namespace {

const QString kQuestion = QStringLiteral("非法的宽高,是否程序自动修正并保存!");

// A workspace on a fresh home with programs of the sign's size, and the editor opened on one.
class Editor : public WorkspaceFixture {
 protected:
  void open(int signWidth = 64, int signHeight = 32, int programs = 1, int selected = 0) {
    words.reset();
    reopen();
    ws->ScreenWidth = signWidth;
    ws->ScreenHeight = signHeight;
    for (int i = 0; i < programs; ++i) {
      ws->store().append(i, signWidth, signHeight, 0, 4, QStringLiteral("5"));
      ws->programAppended(signWidth, signHeight);
    }
    ws->SelectedProgram = selected;
    words = std::make_unique<TWordsForm>(*ws, prompt);
    words->show();
  }

  void typeText(const QString& text) {
    // Typed as an input method delivers it: QTest::keyClicks knows only ASCII keys.
    words->RichEdit1->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(words->RichEdit1, &press);
  }

  void setSize(const QString& w, const QString& h) {
    words->Edit2->setText(w);
    words->Edit3->setText(h);
  }

  QString key(int n, const char* k) {
    const auto v = GbkIni::parse(home.read("Program/set.ini"))
                       .value(QStringLiteral("节目%1").arg(n), QString::fromUtf8(k));
    return v ? QString::fromLatin1(*v) : QString();
  }

  QImage storedPicture(int n) { return QImage(home.file(QStringLiteral("Program/%1.bmp").arg(n))); }

  std::unique_ptr<TWordsForm> words;
};

}  // namespace

TEST_F(Editor, OpensEmptyWithTheProgramSizeAndItsPicture) {
  open(64, 32);
  EXPECT_EQ(words->windowTitle(), QStringLiteral("文本"));
  EXPECT_TRUE(words->RichEdit1->document()->isEmpty());
  EXPECT_EQ(words->Edit2->text(), QStringLiteral("64"));
  EXPECT_EQ(words->Edit3->text(), QStringLiteral("32"));
  EXPECT_EQ(words->Edit1->text(), QStringLiteral("1.0"));
  EXPECT_EQ(words->RichEdit1->size(), QSize(64, 32));
  EXPECT_EQ(words->picture(), storedPicture(0));  // the program's stored picture
  EXPECT_EQ(words->StatusPanel0->text(), QStringLiteral("LED 屏宽:64 屏高:32"));
  EXPECT_EQ(words->StatusPanel1->text(), QStringLiteral("节目 屏宽:64 屏高:32"));
  EXPECT_TRUE(words->EditorReady);
}

TEST_F(Editor, SaveStoresPictureSettingsAndRichTextThenCloses) {
  open(64, 32);
  QSignalSpy saved(ws.get(), &Workspace::programWasSaved);
  typeText(QStringLiteral("红字"));
  words->SpeedButton15->click();
  EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join(u'|').toStdString();
  EXPECT_TRUE(prompt.questions.isEmpty());
  EXPECT_FALSE(words->isVisible());
  const QImage stored = storedPicture(0);
  ASSERT_EQ(stored.size(), QSize(64, 32));
  EXPECT_EQ(stored.depth(), 32);  // QImage reads a 24-bit BMP as RGB32
  EXPECT_EQ(key(0, "颜色"), QStringLiteral("1"));
  EXPECT_EQ(key(0, "屏宽"), QStringLiteral("64"));
  QSet<QRgb> colours;
  for (int y = 0; y < stored.height(); ++y)
    for (int x = 0; x < stored.width(); ++x) colours.insert(stored.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(colours, (QSet<QRgb>{0x000000, 0xFF0000}));
  ASSERT_EQ(saved.size(), 1);
  EXPECT_EQ(saved.front().front().toInt(), 0);
  ASSERT_TRUE(home.exists("Rtf/0.rtf"));
  QTextDocument back;
  readRtf(home.read("Rtf/0.rtf"), back);
  EXPECT_EQ(back.toPlainText(), QStringLiteral("红字"));
}

TEST_F(Editor, ReopeningRestoresTheRichText) {
  open(64, 32);
  typeText(QStringLiteral("ab中"));
  words->SpeedButton15->click();
  words->show();
  EXPECT_EQ(words->RichEdit1->toPlainText(), QStringLiteral("ab中"));
}

struct SaveCase {
  const char* name;
  int signW, signH;
  const char* w;
  const char* h;
  bool answer;
  bool asked;
  int storedW, storedH;  // 0: nothing stored
};
void PrintTo(const SaveCase& row, std::ostream* os) { *os << row.name; }

class EditorSave : public Editor, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(EditorSave, CorrectionsAndQuestion) {
  const SaveCase& c = GetParam();
  open(c.signW, c.signH);
  typeText(QStringLiteral("字"));
  setSize(QString::fromLatin1(c.w), QString::fromLatin1(c.h));
  prompt.answers.push_back(c.answer);
  words->SpeedButton15->click();
  EXPECT_EQ(prompt.questions, c.asked ? QStringList{kQuestion} : QStringList{});
  if (c.storedW == 0) {
    EXPECT_TRUE(words->isVisible());
    EXPECT_EQ(words->Edit2->text(), QString::fromLatin1(c.w));  // the fields keep what was typed
    EXPECT_EQ(key(0, "屏宽"), QString::number(c.signW));        // the program keeps its section
    return;
  }
  EXPECT_FALSE(words->isVisible());
  EXPECT_EQ(key(0, "屏宽"), QString::number(c.storedW));
  EXPECT_EQ(key(0, "屏高"), QString::number(c.storedH));
  EXPECT_EQ(storedPicture(0).size(), QSize(c.storedW, c.storedH));
  EXPECT_EQ(ws->ProgramWidth[0], c.storedW);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, EditorSave,
    ::testing::Values(SaveCase{"Width100To112", 64, 32, "100", "32", true, true, 112, 32},
                      SaveCase{"Width700To640", 64, 32, "700", "32", true, true, 640, 32},
                      SaveCase{"Width40SignOf50", 50, 32, "40", "32", true, true, 50, 32},
                      SaveCase{"CleanSizeNoQuestion", 64, 32, "128", "48", true, false, 128, 48},
                      SaveCase{"WidthZeroRaisedToSign", 64, 32, "0", "32", true, true, 64, 32},
                      SaveCase{"NoAbandons", 64, 32, "100", "32", false, true, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Editor, EmptySizeFieldRefuses) {
  open();
  words->Edit2->clear();
  words->SpeedButton15->click();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("宽高不能为空")});
  EXPECT_TRUE(words->isVisible());
}

struct LimitRow {
  const char* name;
  int model;
  bool twoColours;
  int w, h;
  const char* refusal;  // "" when saved
};
void PrintTo(const LimitRow& row, std::ostream* os) { *os << row.name; }

class EditorModelLimit : public Editor, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(EditorModelLimit, RowByRow) {
  const LimitRow& c = GetParam();
  open(32, 16);
  ws->ControllerModel = c.model;
  typeText(QStringLiteral("红"));
  if (c.twoColours) {
    prompt.fonts.push_back(Prompt::FontChoice{QFont(ledtext::DefaultFace, 20), ledtext::Green});
    words->SpeedButton8->click();
    typeText(QStringLiteral("绿"));
  }
  setSize(QString::number(c.w), QString::number(c.h));
  words->SpeedButton15->click();
  const QString refusal = QString::fromUtf8(c.refusal);
  if (refusal.isEmpty()) {
    EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join(u'|').toStdString();
    EXPECT_EQ(key(0, "屏宽"), QString::number(c.w));
    EXPECT_EQ(key(0, "颜色"), c.twoColours ? QStringLiteral("3") : QStringLiteral("1"));
  } else {
    EXPECT_EQ(prompt.messages, QStringList{refusal});
    EXPECT_EQ(key(0, "屏宽"), QStringLiteral("32"));  // nothing written
    EXPECT_TRUE(words->isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rule, EditorModelLimit,
    ::testing::Values(LimitRow{"M2Red640x64", 2, false, 640, 64, ""},
                      LimitRow{"M2Red640x80", 2, false, 640, 80, "超出系统最大屏宽屏高的定义"},
                      LimitRow{"M2Two320x64", 2, true, 320, 64, ""},
                      LimitRow{"M2Two320x80", 2, true, 320, 80, "超出系统最大屏宽屏高的定义"},
                      LimitRow{"M2Two336", 2, true, 336, 32, "最大宽度不能大于320"},
                      LimitRow{"M2Height272", 2, false, 64, 272, "最大高度不能大于256"},
                      LimitRow{"M1Red640x64", 1, false, 640, 64, ""},
                      LimitRow{"M1Height80", 1, false, 640, 80, "最大高度不能大于64"},
                      LimitRow{"M1Two336", 1, true, 336, 64, "最大宽度不能大于320"},
                      LimitRow{"M0AnySize", 0, true, 640, 512, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Editor, FontColourOutsideTheThreeIsRefused) {
  open();
  typeText(QStringLiteral("字"));
  words->RichEdit1->selectAll();
  prompt.fonts.push_back(
      Prompt::FontChoice{QFont(QStringLiteral("DejaVu Sans"), 30), QColor(0, 0, 255)});
  words->SpeedButton8->click();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("只支持红黄绿三色")});
  const QTextCharFormat f = words->RichEdit1->textCursor().charFormat();
  EXPECT_NE(f.fontPointSize(), 30);
  // Cancelling changes nothing and says nothing.
  words->SpeedButton8->click();
  EXPECT_EQ(prompt.messages.size(), 1);
  // An allowed colour applies face, size and colour to the selection.
  prompt.fonts.push_back(
      Prompt::FontChoice{QFont(QStringLiteral("DejaVu Sans"), 30), ledtext::Yellow});
  words->SpeedButton8->click();
  const QTextCharFormat g = words->RichEdit1->textCursor().charFormat();
  EXPECT_EQ(g.fontPointSize(), 30);
  EXPECT_EQ(g.foreground().color(), ledtext::Yellow);
  EXPECT_EQ(ledtext::faceOf(g, QString()), QStringLiteral("DejaVu Sans"));
}

TEST_F(Editor, LineSpacingRulesApplyToTheParagraph) {
  open();
  typeText(QStringLiteral("字"));
  words->ComboBox1->setCurrentIndex(4);  // 固定值
  EXPECT_EQ(words->Edit1->text(), QStringLiteral("20"));
  QTextBlockFormat f = words->RichEdit1->textCursor().blockFormat();
  EXPECT_EQ(f.lineHeightType(), QTextBlockFormat::FixedHeight);
  EXPECT_DOUBLE_EQ(f.lineHeight(), 20 * ledtext::layoutDpi() / 72);
  words->ComboBox1->setCurrentIndex(5);  // 多倍行距 with "1.5": one line
  words->Edit1->setText(QStringLiteral("1.5"));
  f = words->RichEdit1->textCursor().blockFormat();
  EXPECT_EQ(f.lineHeightType(), QTextBlockFormat::ProportionalHeight);
  EXPECT_DOUBLE_EQ(f.lineHeight(), 100);
}

TEST_F(Editor, KeyFilterTakesDigitsAndOneDot) {
  open();
  words->Edit2->clear();
  QTest::keyClicks(words->Edit2, QStringLiteral("1a.2"));
  EXPECT_EQ(words->Edit2->text(), QStringLiteral("12"));
  words->Edit1->clear();
  QTest::keyClicks(words->Edit1, QStringLiteral("1.5.x"));
  EXPECT_EQ(words->Edit1->text(), QStringLiteral("1.5"));
}

TEST_F(Editor, SizeFieldsChangeTheProgramAtOnce) {
  open(64, 32);
  setSize(QStringLiteral("96"), QStringLiteral("48"));
  EXPECT_EQ(ws->ProgramWidth[0], 96);
  EXPECT_EQ(ws->ProgramHeight[0], 48);
  EXPECT_EQ(words->RichEdit1->size(), QSize(96, 48));
  EXPECT_EQ(words->picture().size(), QSize(96, 48));
  EXPECT_EQ(words->StatusPanel1->text(), QStringLiteral("节目 屏宽:96 屏高:48"));
}

TEST_F(Editor, ResizeDragRoundsOnRelease) {
  open(32, 32);
  struct {
    QPoint release;
    QSize expected;
  } rows[] = {{{700, 40}, {640, 48}}, {{17, 17}, {32, 32}}, {{100, 70}, {112, 80}}};
  for (const auto& r : rows) {
    QTest::mousePress(words->EditArea, Qt::LeftButton, {}, QPoint(900, 900));
    EXPECT_TRUE(words->ResizeDrag);
    QTest::mouseRelease(words->EditArea, Qt::LeftButton, {}, r.release);
    EXPECT_FALSE(words->ResizeDrag);
    EXPECT_EQ(words->RichEdit1->size(), r.expected);
    EXPECT_EQ(words->Edit2->text(), QString::number(r.expected.width()));
    EXPECT_EQ(ws->ProgramHeight[0], r.expected.height());
  }
}

TEST_F(Editor, PlacementButtonsMoveTheBandAndWriteTheRichText) {
  open(64, 64);
  typeText(QStringLiteral("田"));
  words->SpeedButton14->click();
  EXPECT_EQ(words->VerticalPlacement, 2);
  EXPECT_EQ(ledtext::findTextBand(words->picture()).bottom, 63);
  EXPECT_TRUE(home.exists("Rtf/0.rtf"));
  words->SpeedButton12->click();
  EXPECT_EQ(ledtext::findTextBand(words->picture()).top, 0);
  words->SpeedButton13->click();
  const ledtext::TextBand band = ledtext::findTextBand(words->picture());
  EXPECT_EQ(band.top, 32 - band.height() / 2);
}

TEST_F(Editor, RenderingPutsTheCaretAtTheStartWithoutASelection) {
  open(64, 32);
  ws->ControllerModel = 1;
  typeText(QStringLiteral("红字"));
  words->RichEdit1->selectAll();
  words->SpeedButton13->click();
  EXPECT_FALSE(words->RichEdit1->textCursor().hasSelection());
  EXPECT_EQ(words->RichEdit1->textCursor().position(), 0);
  // What is typed next goes before the text.
  typeText(QStringLiteral("前"));
  EXPECT_EQ(words->RichEdit1->toPlainText(), QStringLiteral("前红字"));
  // A save that the controller model refuses has rendered too, and the window stays open.
  words->RichEdit1->selectAll();
  setSize(QStringLiteral("64"), QStringLiteral("80"));
  words->SpeedButton15->click();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("最大高度不能大于64")});
  ASSERT_TRUE(words->isVisible());
  EXPECT_FALSE(words->RichEdit1->textCursor().hasSelection());
  EXPECT_EQ(words->RichEdit1->textCursor().position(), 0);
}

TEST_F(Editor, PictureMatchesTheEditorsWrapping) {
  open(64, 96);
  typeText(QStringLiteral("田田田田田田"));  // wraps in a 64-pixel control
  const int lines = words->RichEdit1->document()->firstBlock().layout()->lineCount();
  EXPECT_GE(lines, 2);
  words->SpeedButton12->click();
  const ledtext::TextBand band = ledtext::findTextBand(words->picture());
  EXPECT_GT(band.height(), 27 * (lines - 1));
}

TEST_F(Editor, StaysBoundToItsProgram) {
  open(64, 32, 2, 0);
  typeText(QStringLiteral("零"));
  ws->SelectedProgram = 1;
  words->SpeedButton15->click();
  EXPECT_TRUE(home.exists("Rtf/0.rtf"));
  EXPECT_FALSE(home.exists("Rtf/1.rtf"));
  EXPECT_EQ(key(0, "颜色"), QStringLiteral("1"));
  EXPECT_EQ(key(1, "颜色"), QStringLiteral("0"));
}

namespace {

// The editor follows its program through the library's changes: it moves down with it when an
// earlier program goes, and closes without writing when its own program or the whole list goes.
TEST_F(Editor, FollowsItsProgramOrClosesWithoutWriting) {
  struct Row {
    const char* what;
    void (*change)(Workspace&);
    bool staysOpen;
    int savedAs;  // the number the save writes, when the editor stays open
  };
  const Row rows[] = {
      {"an earlier program deleted",
       [](Workspace& w) {
         w.store().deleteProgram(0, w.ProgramCount);
         w.programDeleted(0);
       },
       true, 0},
      {"a later program deleted",
       [](Workspace& w) {
         w.store().deleteProgram(2, w.ProgramCount);
         w.programDeleted(2);
       },
       true, 1},
      {"its own program deleted",
       [](Workspace& w) {
         w.store().deleteProgram(1, w.ProgramCount);
         w.programDeleted(1);
       },
       false, -1},
      {"library replaced", [](Workspace& w) { w.libraryReplaced(3); }, false, -1},
      {"count reset", [](Workspace& w) { w.resetProgramCount(); }, false, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    open(64, 32, 3, 1);
    typeText(QStringLiteral("绿"));
    row.change(*ws);
    EXPECT_EQ(words->isVisible(), row.staysOpen);
    if (!row.staysOpen) {
      // Closed: nothing of the edit reaches any program.
      words->SpeedButton15->click();
      EXPECT_FALSE(home.exists("Rtf/0.rtf") || home.exists("Rtf/1.rtf") ||
                   home.exists("Rtf/2.rtf"));
      continue;
    }
    EXPECT_EQ(words->program(), row.savedAs);
    words->SpeedButton15->click();
    EXPECT_EQ(key(row.savedAs, "颜色"), QStringLiteral("1"));
    EXPECT_TRUE(home.exists(QStringLiteral("Rtf/%1.rtf").arg(row.savedAs)));
    QFile::remove(home.file(QStringLiteral("Rtf/%1.rtf").arg(row.savedAs)));
  }
}

// A fetch or an import (the list replaced) or a new sign size (the list emptied) closes the editor
// without writing; the operator is told once when that drops edits, and only then.
TEST_F(Editor, DroppedEditsAreToldOnce) {
  for (const auto replace : {+[](Workspace& w) { w.libraryReplaced(3); },
                             +[](Workspace& w) { w.resetProgramCount(); }}) {
    for (const int edit : {0, 1, 2}) {  // nothing, text typed, program size changed
      open(64, 32, 3, 1);
      if (edit == 1) typeText(QStringLiteral("字"));
      if (edit == 2) setSize(QStringLiteral("48"), QStringLiteral("32"));
      prompt.messages.clear();
      replace(*ws);
      EXPECT_FALSE(words->isVisible());
      EXPECT_EQ(prompt.messages.filter(QStringLiteral("未保存的修改已放弃")).size(), edit ? 1 : 0);
      EXPECT_EQ(prompt.messages.size(), edit ? 1 : 0) << edit;
    }
  }
}

// Sizes never go beyond the workspace's limit, so the stored size is the picture's size.
TEST_F(Editor, SizeFieldsStopAtTheSideLimit) {
  open(64, 32);
  setSize(QStringLiteral("9000"), QStringLiteral("30000"));
  EXPECT_EQ(ws->ProgramWidth[0], Workspace::MaxSide);
  EXPECT_EQ(ws->ProgramHeight[0], Workspace::MaxSide);
  EXPECT_EQ(words->picture().size(), QSize(Workspace::MaxSide, Workspace::MaxSide));
}

}  // namespace

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// What the operator sees in the editing control, as a picture.
QImage viewOf(TWordsForm& words) {
  words.RichEdit1->clearFocus();                    // no caret
  words.RichEdit1->moveCursor(QTextCursor::Start);  // no selection
  return words.RichEdit1->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      differing += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
  return differing;
}

}  // namespace

// The scenario of a new operator: 欢迎 turned green with the dialog's own face, in a 64 x 32
// program. The dialog opens on the face the text is drawn with, OK leaves the face alone, and
// the saved picture holds the green text.
TEST_F(Editor, FontDialogKeepsTheFaceAndTheGreenTextIsSaved) {
  open(64, 32);
  typeText(QStringLiteral("欢迎"));
  words->RichEdit1->selectAll();
  words->SpeedButton8->click();  // cancelled: only to see what the dialog opened on
  ASSERT_EQ(prompt.fontsShown.size(), 1u);
  Prompt::FontChoice shown = prompt.fontsShown.front();
  EXPECT_EQ(shown.font.family(), QFontInfo(QFont(ledtext::DefaultFace)).family());
  EXPECT_TRUE(QFontDatabase::families().contains(shown.font.family()));
  shown.colour = ledtext::Green;
  prompt.fonts.push_back(shown);
  words->SpeedButton8->click();
  EXPECT_EQ(ledtext::faceOf(words->RichEdit1->textCursor().charFormat(), QStringLiteral("none")),
            QStringLiteral("none"));  // no face of its own: the document's 宋体
  words->SpeedButton15->click();
  EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join(u'|').toStdString();
  EXPECT_EQ(key(0, "颜色"), QStringLiteral("2"));
  EXPECT_FALSE(home.read("Rtf/0.rtf").contains(shown.font.family().toUtf8()));
}

TEST_F(Editor, TextBeyondTheProgramHeightIsSavedWithOneMessage) {
  open(64, 32);
  typeText(QStringLiteral("田"));
  QTextCursor(words->RichEdit1->document()).insertText(QStringLiteral("田\n田\n"));
  words->SpeedButton15->click();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("文字超出节目高度，超出部分未保存")});
  EXPECT_FALSE(words->isVisible());
  EXPECT_EQ(key(0, "颜色"), QStringLiteral("1"));
}

// A save that fails or is refused leaves the files as they were, and says so once, naming the
// file.
TEST_F(Editor, FailedOrRefusedSaveWritesNothing) {
  open(64, 32);
  const QByteArray picture = home.read("Program/0.bmp");
  typeText(QStringLiteral("字"));
  ws->ControllerModel = 1;
  setSize(QStringLiteral("64"), QStringLiteral("80"));
  words->SpeedButton15->click();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("最大高度不能大于64")});
  EXPECT_FALSE(home.exists("Rtf/0.rtf"));  // the rich text is written after the check

  setSize(QStringLiteral("64"), QStringLiteral("32"));
  writeFile(home.file("Rtf"), "a file where the folder must be");
  prompt.messages.clear();
  words->SpeedButton15->click();
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(QDir::toNativeSeparators(home.file("Rtf/0.rtf"))))
      << prompt.messages.front().toStdString();
  EXPECT_TRUE(words->isVisible());
  EXPECT_EQ(home.read("Program/0.bmp"), picture);
  EXPECT_EQ(key(0, "颜色"), QStringLiteral("0"));

  prompt.messages.clear();
  words->SpeedButton13->click();
  EXPECT_EQ(prompt.messages.size(), 1);

  // The picture cannot be written after the rich text was: the rich text gets its old bytes back.
  ASSERT_TRUE(QFile::remove(home.file("Rtf")) && QDir().mkpath(home.file("Rtf")));
  writeFile(home.file("Rtf/0.rtf"), "{\\rtf1 old}");
  ASSERT_TRUE(QFile::remove(home.file("Program/0.bmp")) &&
              QDir().mkpath(home.file("Program/0.bmp")));
  prompt.messages.clear();
  words->SpeedButton15->click();
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(
      prompt.messages.front().contains(QDir::toNativeSeparators(home.file("Program/0.bmp"))))
      << prompt.messages.front().toStdString();
  EXPECT_EQ(home.read("Rtf/0.rtf"), QByteArray("{\\rtf1 old}"));
  EXPECT_EQ(key(0, "颜色"), QStringLiteral("0"));
}

TEST_F(Editor, RichTextOverTheCapIsRefusedAndLeftAlone) {
  QByteArray big = "{\\rtf1 ";
  big += QByteArray(16 * 1024 * 1024, 'a');
  big += "}";
  ASSERT_TRUE(QDir().mkpath(home.file("Rtf")));
  open(64, 32);
  words->hide();
  writeFile(home.file("Rtf/0.rtf"), big);
  words->show();
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(u"16 MiB"));
  QCoreApplication::processEvents();
  EXPECT_FALSE(words->isVisible());
  words->SpeedButton12->click();
  words->SpeedButton15->click();
  EXPECT_EQ(home.read("Rtf/0.rtf").size(), big.size());
}

// The saved picture is what the editing control shows, band moved as placed, pixel for pixel.
struct ViewCase {
  const char* name;
  int w, h;        // the program, and the sign
  int newW, newH;  // a size change before typing; 0: none
  Qt::Alignment align;
  int spacingRule;
  const char* spacingValue;
  int placement;
};

class SavedPicture : public Editor, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(SavedPicture, IsTheEditorsView) {
  const ViewCase& c = GetParam();
  open(c.w, c.h);
  if (c.newW > 0) setSize(QString::number(c.newW), QString::number(c.newH));
  QTextCursor cursor(words->RichEdit1->document());
  const QColor colours[] = {ledtext::Red, ledtext::Green, ledtext::Yellow};
  for (int i = 0; i < 3; ++i) {
    QTextCharFormat f;
    f.setForeground(colours[i]);
    f.setFontStyleStrategy(QFont::NoAntialias);
    f.setFontPointSize(i == 1 ? 14 : 20);
    cursor.insertText(QStringLiteral("字A%1").arg(i), f);
  }
  words->RichEdit1->selectAll();
  words->alignParagraphs(c.align);
  words->ComboBox1->setCurrentIndex(c.spacingRule);
  words->Edit1->setText(QString::fromLatin1(c.spacingValue));
  const QImage view = viewOf(*words);
  if (c.placement != 0) words->PlaceTextBand(c.placement);
  words->SpeedButton15->click();
  EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join(u'|').toStdString();
  const QImage expected = ledtext::placeTextBand(view, c.placement);
  EXPECT_EQ(differingPixels(storedPicture(0), expected), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SavedPicture,
    ::testing::Values(ViewCase{"LeftSingle", 128, 64, 0, 0, Qt::AlignLeft, 0, "0", 0},
                      ViewCase{"CentreOneAndHalf", 96, 96, 0, 0, Qt::AlignHCenter, 1, "0", 0},
                      ViewCase{"RightDouble", 64, 128, 0, 0, Qt::AlignRight, 2, "0", 2},
                      ViewCase{"CentreExactly", 80, 96, 0, 0, Qt::AlignHCenter, 4, "20", 1},
                      ViewCase{"LeftAtLeastAfterSizeChange", 64, 32, 144, 96, Qt::AlignLeft, 3,
                               "30", 0},
                      ViewCase{"RightMultiple", 160, 128, 0, 0, Qt::AlignRight, 5, "2", 0}),
    [](const auto& row) { return std::string(row.param.name); });

// A page written by LibreOffice opens with every format it has; the save stores what the editor
// shows, and opening and saving it again changes neither the formats nor the picture.
TEST_F(Editor, LibreOfficePageReopensUnchanged) {
  open(192, 128);
  words->hide();
  ASSERT_TRUE(QDir().mkpath(home.file("Rtf")) && home.write("Rtf/0.rtf", kLibreOfficePage));
  QImage previous;
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    words->show();
    ASSERT_TRUE(words->isVisible());
    EXPECT_EQ(dumpDocument(*words->RichEdit1->document()).toStdString(),
              std::string(kLibreOfficePageDump));
    const QImage view = viewOf(*words);
    words->SpeedButton15->click();
    EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join(u'|').toStdString();
    const QImage stored = storedPicture(0);
    QSet<QRgb> colours;
    for (int y = 0; y < stored.height(); ++y)
      for (int x = 0; x < stored.width(); ++x) colours.insert(stored.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(colours, (QSet<QRgb>{0x000000, 0xFF0000, 0x008000, 0xFFFF00}));
    EXPECT_EQ(differingPixels(stored, ledtext::placeTextBand(view, 0)), 0);
    if (!previous.isNull()) {
      EXPECT_EQ(differingPixels(stored, previous), 0);
    }
    previous = stored;
  }
}

// The font dialog the editor opens: on the face the text is drawn with (宋体 is not installed, so
// its stand-in), selected in the face list, which lists the faces with Chinese glyphs first.
TEST(FontDialog, OpensOnTheFaceInUseWithChineseFacesFirst) {
  const std::unique_ptr<QDialog> dialog =
      newFontDialog(nullptr, {QFont(ledtext::DefaultFace, 12), ledtext::Red});
  const auto* fonts = dialog->findChild<QFontDialog*>();
  ASSERT_NE(fonts, nullptr);
  const QString song = QFontInfo(QFont(ledtext::DefaultFace)).family();
  EXPECT_EQ(fonts->currentFont().family().toStdString(), song.toStdString());
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  ASSERT_TRUE(chinese.contains(song));
  QStringList faces;
  for (const QListView* list : fonts->findChildren<QListView*>()) {
    if (list->currentIndex().data().toString() != song) continue;
    for (int row = 0; row < list->model()->rowCount(); ++row)
      faces << list->model()->index(row, 0).data().toString();
  }
  ASSERT_GT(faces.size(), chinese.size()) << "no face list selects " << song.toStdString();
  const auto firstOther = std::find_if(
      faces.cbegin(), faces.cend(), [&](const QString& face) { return !chinese.contains(face); });
  EXPECT_EQ(firstOther - faces.cbegin(), chinese.size()) << faces.join(u',').toStdString();
}

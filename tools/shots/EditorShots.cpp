// The text editor with a program of two lines in the three LED colours, its picture rendered
// below the text (editor.png), then the main window showing the saved program (screenshot.png,
// the README's picture).
#include <gtest/gtest.h>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "Mainface.h"
#include "ScreenShot.h"
#include "TextFormat.h"
#include "Wordsedit.h"

namespace {

TEST(EditorShots, TextProgramInTheEditorAndTheMainWindow) {
  ShotHome home;
  ShotPrompt prompt;
  Workspace ws(home.path());
  TMainForm main(ws, prompt);
  ws.ScreenWidth = 256;
  ws.ScreenHeight = 96;
  TWordsForm words(ws, prompt, &main);
  words.setWindowFlag(Qt::Window);
  main.WordsForm = &words;
  main.move(0, 0);
  main.show();
  main.SpeedButton1->click();
  main.TreeView1->setCurrentItem(main.TreeView1->topLevelItem(0)->child(0));
  main.TreeView1Click();
  main.SpeedButton3->click();
  ASSERT_TRUE(words.isVisible());

  // Typed as the operator does: a font and colour chosen, then the words.
  struct Run {
    const char* text;
    QColor colour;
    int points;
    bool bold;
  };
  const Run runs[] = {{"红色中文", ledtext::Red, 20, false},
                      {"绿色粗体", ledtext::Green, 20, true},
                      {"\n    黄色文字", ledtext::Yellow, 16, false},
                      {" LED ", ledtext::Yellow, 14, false},
                      {"小字", ledtext::Red, 11, false}};
  QTextCursor cursor = words.RichEdit1->textCursor();
  for (const Run& run : runs) {
    QTextCharFormat format;
    format.setFontFamilies({ledtext::DefaultFace});
    format.setFontPointSize(run.points);
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontStyleStrategy(QFont::NoAntialias);
    format.setForeground(run.colour);
    cursor.insertText(QString::fromUtf8(run.text), format);
  }
  words.SpeedButton12->click();  // the band at the top, rendered into the picture pane
  words.move(main.frameGeometry().right() + 1, 0);
  QCoreApplication::processEvents();
  EXPECT_TRUE(words.grab().save(shotFile(QStringLiteral("editor.png"))));

  words.SpeedButton15->click();  // save
  ASSERT_FALSE(words.isVisible());
  QCoreApplication::processEvents();
  EXPECT_TRUE(main.grab().save(shotFile(QStringLiteral("screenshot.png"))));
  EXPECT_EQ(prompt.messages, QStringList());
}

}  // namespace

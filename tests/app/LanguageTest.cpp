// The English face: every window built under the English catalogue reads without a Chinese
// character, its messages are English, and the home it writes is the Chinese editor's, byte for
// byte.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <functional>

#include "Chinese.h"
#include "Commconfig.h"
#include "FleetWindow.h"
#include "Getpram.h"
#include "Kernel.h"
#include "Language.h"
#include "Ledview.h"
#include "MainWindowFixture.h"
#include "Pramme.h"
#include "Screenwh.h"
#include "Sendpram.h"
#include "SignDialog.h"
#include "Wordsedit.h"

namespace {

// The texts of `actions` and of their menus, with where each was found.
void actionTexts(QStringList& out, const QList<QAction*>& actions) {
  for (QAction* a : actions) {
    out << QStringLiteral("action: ") + a->text() << QStringLiteral("action tip: ") + a->toolTip();
    if (a->menu()) {
      out << QStringLiteral("menu: ") + a->menu()->title();
      actionTexts(out, a->menu()->actions());
    }
  }
}

void modelTexts(QStringList& out, const QAbstractItemModel* model, const QModelIndex& parent) {
  for (int column = 0; parent == QModelIndex() && column < model->columnCount(); ++column)
    for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
      out << QStringLiteral("header: ") +
                 model->headerData(column, Qt::Horizontal, role).toString();
  for (int row = 0; row < model->rowCount(parent); ++row)
    for (int column = 0; column < model->columnCount(parent); ++column) {
      const QModelIndex index = model->index(row, column, parent);
      for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
        out << QStringLiteral("cell: ") + index.data(role).toString();
      if (column == 0) modelTexts(out, model, index);
    }
}

// Every text an operator can read in `root`, on hidden pages too: titles, labels, buttons, group
// boxes, tabs, menus, tooltips, combo entries, edit boxes, spin box affixes, views' headers and
// cells, the status bar.
QStringList readableTexts(QWidget* root) {
  QStringList out;
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (w->isWindow()) out << QStringLiteral("title: ") + w->windowTitle();
    out << QStringLiteral("tip: ") + w->toolTip()
        << QStringLiteral("status tip: ") + w->statusTip();
    actionTexts(out, w->actions());
    if (auto* l = qobject_cast<QLabel*>(w)) out << QStringLiteral("label: ") + l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) out << QStringLiteral("button: ") + b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) out << QStringLiteral("group: ") + g->title();
    if (auto* m = qobject_cast<QMenu*>(w)) out << QStringLiteral("menu: ") + m->title();
    if (auto* t = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < t->count(); ++i)
        out << QStringLiteral("tab: ") + t->tabText(i)
            << QStringLiteral("tab tip: ") + t->tabToolTip(i);
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) out << QStringLiteral("entry: ") + c->itemText(i);
    if (auto* e = qobject_cast<QLineEdit*>(w))
      out << QStringLiteral("edit: ") + e->text()
          << QStringLiteral("placeholder: ") + e->placeholderText();
    if (auto* e = qobject_cast<QTextEdit*>(w))
      out << QStringLiteral("placeholder: ") + e->placeholderText();
    if (auto* s = qobject_cast<QSpinBox*>(w))
      out << QStringLiteral("spin: ") + s->prefix() + s->suffix() + s->specialValueText();
    if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model())
      modelTexts(out, v->model(), {});
    if (auto* s = qobject_cast<QStatusBar*>(w))
      out << QStringLiteral("status: ") + s->currentMessage();
  }
  return out;
}

QStringList chineseAmong(const QStringList& texts) {
  QStringList found;
  for (const QString& t : texts)
    if (hasChinese(t)) found << t;
  return found;
}

class EnglishFace : public MainWindow {
 protected:
  void SetUp() override {
    ASSERT_TRUE(installLanguage(Language::English));
    MainWindow::SetUp();
  }
  void TearDown() override {
    MainWindow::TearDown();
    installLanguage(Language::Chinese);
  }
  QString toolDirectory() const { return QFileInfo(QStringLiteral(LEDSIGN_PATH)).absolutePath(); }
};

// Each window and dialog as the application makes it, in English: not one Chinese character in
// any of its texts. The main window and the fleet window show a program and a sign.
TEST_F(EnglishFace, NoWindowShowsChinese) {
  ASSERT_TRUE(home.write("signs.ini",
                         "[\xB4\xF3\xC6\xC1\x30]\r\n\xC3\xFB\xB3\xC6=hall\r\n"
                         "\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=1\r\nLEDIP=127.0.0.1\r\n"
                         "LEDPORT=1\r\n"));
  form->SpeedButton1->click();
  form->TreeView1->setCurrentItem(form->TreeView1->topLevelItem(0)->child(0));
  form->TreeView1Click();

  const std::vector<std::pair<const char*, std::function<QWidget*()>>> windows = {
      {"main window", [&]() -> QWidget* { return form.get(); }},
      {"text editor", [&]() -> QWidget* { return new TWordsForm(*ws, prompt, form.get()); }},
      {"communication", [&]() -> QWidget* { return new TCommForm(*ws, prompt, form.get()); }},
      {"preview", [&]() -> QWidget* { return new TLedViewForm(*ws, prompt, form.get()); }},
      {"screen size", [&]() -> QWidget* { return new TScreenWHForm(*ws, prompt, form.get()); }},
      {"parameters", [&]() -> QWidget* { return new TPrammeForm(*ws, prompt, form.get()); }},
      {"fetch", [&]() -> QWidget* { return new TGetPramForm(*ws, prompt, form.get()); }},
      {"send", [&]() -> QWidget* { return new TSendPramForm(*ws, prompt, form.get()); }},
      {"firmware", [&]() -> QWidget* { return new TKernelForm(*ws, prompt, form.get()); }},
      {"picture import", [&]() -> QWidget* { return form->PictureImportForm; }},
      {"sign", [&]() -> QWidget* { return new SignDialog(form.get()); }},
      {"fleet",
       [&]() -> QWidget* {
         auto* fleet = new FleetWindow(ws->store(), prompt, form.get());
         fleet->setToolDirectory(toolDirectory());
         fleet->open();
         // A refresh of the sign on a closed port: its row says why, from ledsignctl.
         fleet->RefreshButtonClick();
         EXPECT_TRUE(QTest::qWaitFor([fleet] { return !fleet->busy(); }, 20000));
         return fleet;
       }},
  };
  for (const auto& [name, make] : windows) {
    SCOPED_TRACE(name);
    QWidget* window = make();
    ASSERT_NE(window, nullptr);
    const QStringList texts = readableTexts(window);
    EXPECT_GT(texts.size(), 4);
    const QStringList chinese = chineseAmong(texts);
    EXPECT_TRUE(chinese.isEmpty()) << chinese.join(u'\n').toStdString();
  }
}

// One row per window's messages: each provokes messages or a file dialog through the Prompt,
// and every one of them reads in English.
TEST_F(EnglishFace, MessagesAreEnglish) {
  const QString junk = home.file("junk.bin");
  ASSERT_TRUE(home.write("junk.bin", "not a picture"));
  useMockLink(false);
  ON_CALL(link, Connect).WillByDefault(::testing::Return(6));
  const std::vector<std::pair<const char*, std::function<void()>>> rows = {
      {"main window: a picture of another size",
       [&] {
         form->SpeedButton1->click();
         form->TreeView1->setCurrentItem(form->TreeView1->topLevelItem(0)->child(0));
         form->TreeView1Click();
         prompt.files = {junk};
         form->SpeedButton7->click();
         form->TreeView1->setCurrentItem(form->TreeView1->topLevelItem(0));
         form->SpeedButton8->click();
       }},
      {"main window: the connection",
       [&] {
         ws->commSettings.Transport = QStringLiteral("1");
         form->SpeedButton5->click();
       }},
      {"picture import: not a picture",
       [&] {
         form->TreeView1->setCurrentItem(form->TreeView1->topLevelItem(0)->child(0));
         form->TreeView1Click();
         prompt.files = {junk};
         form->SpeedButton9->click();
       }},
      {"send, fetch, parameters, firmware: not connected",
       [&] {
         TSendPramForm(*ws, prompt, form.get()).launch();
         TGetPramForm(*ws, prompt, form.get()).launch();
         TPrammeForm(*ws, prompt, form.get()).launch();
         TKernelForm kernel(*ws, prompt, form.get());
         prompt.files = {junk};
         kernel.Button1Click();
       }},
      {"text editor: a colour the sign cannot show",
       [&] {
         TWordsForm editor(*ws, prompt, form.get());
         prompt.fonts = {Prompt::FontChoice{QFont(), QColor(0, 0, 255)}};
         editor.SpeedButton8Click();
       }},
      {"fleet: nothing checked",
       [&] {
         FleetWindow fleet(ws->store(), prompt, form.get());
         fleet.open();
         fleet.SendButtonClick();
       }},
  };
  for (const auto& [name, provoke] : rows) {
    SCOPED_TRACE(name);
    prompt.messages.clear();
    prompt.dialogTitles.clear();
    provoke();
    const QStringList said = prompt.messages + prompt.dialogTitles;
    EXPECT_FALSE(prompt.messages.isEmpty());
    EXPECT_TRUE(chineseAmong(said).isEmpty()) << said.join(u'\n').toStdString();
  }
}

// The same operations in the Chinese and in the English editor: two programs, a text and a
// picture, play settings picked from the lists, the library exported. Both homes and both
// exports hold the same files, byte for byte.
TEST_F(EnglishFace, TheHomeDoesNotDependOnTheLanguage) {
  std::vector<std::map<QString, QByteArray>> homes, exports;
  for (const Language language : {Language::Chinese, Language::English}) {
    SCOPED_TRACE(languageCode(language).toStdString());
    installLanguage(language);
    TestHome other;
    QTemporaryDir exported;
    reopen(other.path());
    ws->store().wipe();
    form = std::make_unique<TMainForm>(*ws, prompt);
    TWordsForm editor(*ws, prompt);
    form->WordsForm = &editor;
    form->show();

    form->SpeedButton1->click();
    form->SpeedButton1->click();
    QTreeWidgetItem* root = form->TreeView1->topLevelItem(0);
    form->TreeView1->setCurrentItem(root->child(0));
    form->TreeView1Click();
    form->ComboBox2->setCurrentIndex(5);
    form->ComboBox3->setCurrentIndex(2);
    form->Edit4->setText(QStringLiteral("12"));
    form->SpeedButton3->click();
    editor.RichEdit1->setPlainText(QStringLiteral("AB 12"));
    editor.SpeedButton15->click();

    QImage picture(ws->ProgramWidth[1], ws->ProgramHeight[1], QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(other.file("green.bmp"), "BMP"));
    form->TreeView1->setCurrentItem(root->child(1));
    form->TreeView1Click();
    prompt.files = {other.file("green.bmp")};
    form->SpeedButton7->click();
    form->ComboBox2->setCurrentIndex(1);

    prompt.folders = {exported.path()};
    form->O1Click();
    form->WordsForm = nullptr;
    form.reset();
    QFile::remove(other.file("green.bmp"));
    homes.push_back(filesUnder(other.path()));
    exports.push_back(filesUnder(exported.path()));
    // Both pictures and the settings, and the text's RTF in the home.
    EXPECT_EQ(homes.back().size(), 4u);
    EXPECT_EQ(exports.back().size(), 3u);
  }
  EXPECT_EQ(homes[0], homes[1]);
  EXPECT_EQ(exports[0], exports[1]);
}

}  // namespace

// The sign window under offscreen, a text library sent through the link library onto the sign,
// and signsim --display --snapshot-after run as a script runs it.

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "LinkFixture.h"
#include "ProgramStore.h"
#include "SignWindow.h"
#include "TextRender.h"

namespace {

using signsim::SignWindow;

// Three programs shown at once (program k has a yellow dot at (k, 0)); line IO2 lists 2 and 0.
void fillCard(signsim::CardStore& store) {
  std::vector<uint8_t> stream;
  for (int k = 0; k < 3; ++k) {
    nq::Image img = filled(16, 8, 255, 0, 0);
    setPx(img, k, 0, 255, 255, 0);
    nq::encodeProgram(stream, img, {3, 0, 0, 0});
  }
  ProgramIoTable io{};
  io.lines[1] = {2, {2, 0}};
  std::lock_guard lock(store.mutex());
  store.config().width = 16;
  store.config().height = 8;
  store.config().brightness = 32;
  store.config().onOff[0] = store.config().onOff[2] = 0;
  ASSERT_TRUE(store.replacePrograms(3, std::move(stream)));
  ASSERT_TRUE(store.setIoTable(io));
}

QImage asRgb32(const QImage& img) { return img.convertToFormat(QImage::Format_RGB32); }

TEST(SignRender, PlainPixelsAreSquaresAndLedsAreRoundDotsOnBlack) {
  QImage frame(2, 1, QImage::Format_RGB32);
  frame.setPixel(0, 0, qRgb(255, 0, 0));
  frame.setPixel(1, 0, qRgb(0, 128, 0));
  EXPECT_EQ(signsim::renderSign(frame, 1, true), frame);
  const QImage plain = signsim::renderSign(frame, 10, true);
  ASSERT_EQ(plain.size(), QSize(20, 10));
  EXPECT_EQ(plain.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(plain.pixel(19, 9), qRgb(0, 128, 0));
  const QImage led = signsim::renderSign(frame, 10, false);
  ASSERT_EQ(led.size(), QSize(20, 10));
  EXPECT_EQ(led.pixel(5, 5), qRgb(255, 0, 0));   // dot centre
  EXPECT_EQ(led.pixel(15, 5), qRgb(0, 128, 0));  // dot centre
  EXPECT_EQ(led.pixel(0, 0), qRgb(0, 0, 0));     // between the dots
  EXPECT_EQ(led.pixel(10, 9), qRgb(0, 0, 0));

  EXPECT_EQ(signsim::defaultZoom({64, 32}), 10);
  EXPECT_EQ(signsim::defaultZoom({640, 256}), 1);
  EXPECT_EQ(signsim::defaultZoom({32, 256}), 3);  // kept on the screen
}

TEST(SignWindow, LineButtonsAndKeysChooseWhatPlays) {
  signsim::CardStore store("");
  fillCard(store);
  SignWindow window(store, {});
  window.timer->stop();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.step();
  EXPECT_EQ(window.signShow().playing(), 0);
  EXPECT_TRUE(window.statusText().contains(QStringLiteral("型号 2")));
  EXPECT_TRUE(window.statusText().contains(QStringLiteral("节目1（1/3）")));

  QTest::mouseClick(window.lineButtons[1], Qt::LeftButton);
  window.step();
  EXPECT_EQ(window.signShow().line(), 1);
  EXPECT_EQ(window.signShow().playing(), 2);
  EXPECT_TRUE(window.statusText().contains(QStringLiteral("IO2")));

  QTest::keyClick(&window, Qt::Key_3);  // an empty line: nothing changes
  EXPECT_EQ(window.signShow().line(), 1);
  EXPECT_TRUE(window.messageLine->isVisibleTo(&window));
  window.step();
  EXPECT_EQ(window.signShow().playing(), 0);

  QTest::keyClick(&window, Qt::Key_0);
  EXPECT_EQ(window.signShow().line(), -1);
  QTest::keyClick(&window, Qt::Key_2);
  EXPECT_EQ(window.signShow().line(), 1);
  QTest::mouseClick(window.allButton, Qt::LeftButton);
  EXPECT_EQ(window.signShow().line(), -1);
}

// The window lies inside the screen's available area, buttons included (offscreen: 800 x 600),
// for a sign too tall at its zoom and after the card's sign grew wider.
TEST(SignWindow, StaysInsideTheAvailableArea) {
  signsim::CardStore store("");
  store.config().height = 256;
  store.config().width = 32;
  SignWindow window(store, {});
  window.timer->stop();
  window.placeOnScreen();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const int width : {32, 640}) {
    store.config().width = width;
    window.step();
    const QRect free = window.screen()->availableGeometry();
    const QRect save(window.saveButton->mapToGlobal(QPoint()), window.saveButton->size());
    EXPECT_TRUE(free.contains(window.frameGeometry()) && free.contains(save)) << width;
    EXPECT_EQ(window.shownImage().size(), QSize(width, 256) * window.zoom());
  }
}

TEST(SignWindow, SnapshotSavesTheShownImage) {
  signsim::CardStore store("");
  fillCard(store);
  QTemporaryDir dir;
  signsim::DisplayOptions o;
  o.zoom = 4;
  o.snapshotDir = dir.path();
  SignWindow window(store, o);
  window.timer->stop();
  window.step();
  ASSERT_EQ(window.shownImage().size(), QSize(64, 32));

  const QString path = dir.filePath(QStringLiteral("shot.png"));
  EXPECT_EQ(window.saveSnapshot(path), QString());
  EXPECT_EQ(asRgb32(QImage(path)), window.shownImage());
  EXPECT_FALSE(window.saveSnapshot(dir.filePath(QStringLiteral("missing/shot.png"))).isEmpty());

  window.saveToFolder();  // the button
  const QStringList saved = QDir(dir.path()).entryList({QStringLiteral("sign-*.png")});
  ASSERT_EQ(saved.size(), 1);
  EXPECT_TRUE(window.messageLine->text().startsWith(QStringLiteral("画面已保存")));
}

// A text program made as the editor makes it, sent with the link library: on the sign in mode 0
// it equals its Program/<n>.bmp pixel for pixel, in the window and from a script's snapshot.
class SentLibrary : public CardFixture {
 protected:
  void sendTextLibrary() {
    ProgramStore lib(QString::fromStdString(home.path.string()));
    lib.wipe();
    QTextDocument doc;
    doc.setHtml(
        QStringLiteral("<span style='color:#ff0000'>红色</span>"
                       "<span style='color:#008000'>绿色</span>"
                       "<span style='color:#ffff00'>黄</span>"));
    doc.setDefaultFont(QFont(QStringLiteral("宋体"), 12));
    picture = ledtext::renderRichText(doc, {64, 32});
    lib.append(0, 64, 32, 0, 3, QStringLiteral("0"));
    lib.writePicture(0, picture);
    lib.writeSettings(0, {64, 32, colourClass(picture), 0, 3, 0});
    ProgramSendRecord rec{};
    std::strncpy(rec.bitmapPaths[0], lib.picturePath(0).toLocal8Bit().constData(),
                 NQ_PATH_SLOT - 1);
    std::strncpy(rec.iniPath, lib.settingsPath().toLocal8Bit().constData(), NQ_INI_PATH_SLOT - 1);
    rec.count = 1;
    ASSERT_EQ(connectNet(), 0);
    ASSERT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
    std::lock_guard lock(card->store().mutex());
    auto& c = card->store().config();
    c.brightness = 32;
    c.onOff[0] = c.onOff[2] = 0;  // on all day, whenever the test runs
    ASSERT_TRUE(card->store().saveConfig());
    bmp = asRgb32(lib.readPicture(0));
  }
  QImage picture, bmp;
};

TEST_F(SentLibrary, ModeZeroEqualsTheProgramPictureOnTheWindowAndInAScriptSnapshot) {
  startCard({.stateDir = "", .tcpPort = 0, .pty = false});
  sendTextLibrary();
  ASSERT_EQ(colourClass(bmp), 3);  // red and green text is there
  ASSERT_EQ(bmp, asRgb32(picture));

  signsim::DisplayOptions o;
  o.zoom = 1;
  o.plain = true;
  SignWindow window(card->store(), o);
  window.timer->stop();
  window.step();  // the first tick
  EXPECT_EQ(window.shownImage(), bmp);

  // The card keeps its flash in its state directory; the program shows it there.
  card->stop();
  QTemporaryDir out;
  const QString shot = out.filePath(QStringLiteral("sign.png"));
  QProcess signsimRun;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  signsimRun.setProcessEnvironment(env);
  signsimRun.start(
      QStringLiteral(SIGNSIM_PATH),
      {QStringLiteral("--state"), QString::fromStdString((state.path / "card").string()),
       QStringLiteral("--port"), QStringLiteral("-1"), QStringLiteral("--no-pty"),
       QStringLiteral("--display"), QStringLiteral("--plain"), QStringLiteral("--zoom"),
       QStringLiteral("1"), QStringLiteral("--snapshot-after"), QStringLiteral("400"), shot});
  ASSERT_TRUE(signsimRun.waitForFinished(60000)) << signsimRun.errorString().toStdString();
  EXPECT_EQ(signsimRun.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(signsimRun.exitCode(), 0) << signsimRun.readAllStandardError().toStdString();
  EXPECT_EQ(asRgb32(QImage(shot)), bmp);
}

}  // namespace

// Send and fetch through the main window against the virtual card, in-process over loopback TCP
// and the real link libraries: a library sent and fetched into a fresh home comes back pixel for
// pixel with all six keys. What a transfer broken part way leaves on the card and in the home is
// checked in the link fault tests, what the windows then say in the send and fetch tests.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "GbkIni.h"
#include "Getpram.h"
#include "LinkLibraries.h"
#include "Mainface.h"
#include "Protocol.h"
#include "Sendpram.h"
#include "TextFormat.h"
#include "TextRender.h"
#include "VirtualCard.h"
#include "WorkspaceFixture.h"

namespace {

// One operator's home with its workspace, main window and the two dialogs, connected to the card:
// a test sends from one and fetches into another.
struct Station {
  explicit Station(LinkLibraries* link) : ws(home.path()), main(ws, prompt) {
    ws.setLink(link);
    main.sleep = [](int) {};
    send = new TSendPramForm(ws, prompt, &main);
    fetch = new TGetPramForm(ws, prompt, &main);
    main.SendPramForm = send;
    main.GetPramForm = fetch;
  }
  ~Station() {
    if (main.isConnected()) main.SpeedButton4->click();
  }
  void connect(int port) {
    ws.commSettings.Transport = QStringLiteral("1");
    ws.commSettings.ControllerIp = QStringLiteral("127.0.0.1");
    ws.commSettings.ControllerPort = port;
    main.SpeedButton5->click();
    // The link library writes a fetch into the home the application exports.
    qputenv("LEDSIGN_HOME", home.path().toLocal8Bit());
  }
  TestHome home;
  ScriptedPrompt prompt;
  Workspace ws;
  TMainForm main;
  TSendPramForm* send;
  TGetPramForm* fetch;
};

QImage picture(int w, int h, const std::function<QRgb(int x, int y)>& colour) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, colour(x, y));
  return img;
}

QByteArray bmpBytes(const QImage& img) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, "BMP");
  return bytes;
}

class TransferCard : public WorkspaceFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(startCard(loopbackCard(96, 48, 2, false)));
    a = std::make_unique<Station>(&libraries());
    a->connect(card->tcpPort());
    ASSERT_TRUE(a->main.isConnected()) << a->prompt.messages.join('|').toStdString();
  }
  void TearDown() override {
    b.reset();
    a.reset();
    WorkspaceFixture::TearDown();
  }

  // Three programs of the three colour classes in station a: a text program and two loaded
  // bitmaps, one smaller than the sign.
  void composeLibrary() {
    ProgramStore& store = a->ws.store();
    QTextDocument text;
    text.setDocumentMargin(0);
    text.setDefaultFont(QFont(ledtext::DefaultFace, ledtext::DefaultPointSize));
    text.setPlainText(QStringLiteral("欢迎光临"));
    const QImage red = ledtext::renderRichText(text, QSize(96, 48));
    const QImage green = picture(
        96, 48, [](int x, int y) { return (x / 4 + y / 4) % 2 ? qRgb(0, 128, 0) : qRgb(0, 0, 0); });
    const QImage mixed = picture(64, 32, [](int x, int) {
      const QRgb stripes[] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 0), qRgb(0, 0, 0)};
      return stripes[(x / 3) % 4];
    });
    const ProgramEntry entries[] = {
        {96, 48, 1, 3, 2, 7}, {96, 48, 2, 15, 5, 255}, {64, 32, 3, 0, 0, 0}};
    for (int k = 0; k < 3; ++k) {
      store.append(k, entries[k].width, entries[k].height, 0, 4, QStringLiteral("5"));
      a->ws.programAppended(entries[k].width, entries[k].height);
      store.writeSettings(k, entries[k]);
    }
    store.writePicture(0, red);
    store.writePictureFile(1, bmpBytes(green));
    store.writePictureFile(2, bmpBytes(mixed));
    ASSERT_EQ(colourClass(store.readPicture(0)), 1);
    ASSERT_EQ(colourClass(store.readPicture(1)), 2);
    ASSERT_EQ(colourClass(store.readPicture(2)), 3);
  }

  void sendFromA() {
    bool pausedWhileShown = false;
    a->prompt.onMessage = [&](const QString&) {
      pausedWhileShown = a->send->isVisible() && !a->ws.heartbeat()->isActive();
    };
    a->main.SpeedButton6->click();  // modal until the result has been confirmed
    a->prompt.onMessage = nullptr;
    EXPECT_TRUE(pausedWhileShown);
  }

  std::pair<int, std::vector<uint8_t>> cardPrograms() {
    std::lock_guard lock(card->store().mutex());
    return {card->store().programCount(), card->store().programStream()};
  }

  std::unique_ptr<Station> a, b;
};

TEST_F(TransferCard, SentLibraryFetchedIntoAFreshHomeComesBackWhole) {
  composeLibrary();
  sendFromA();
  ASSERT_EQ(a->prompt.messages, QStringList{QStringLiteral("发送成功")});
  EXPECT_EQ(a->send->ProgressBar1->value(), a->send->ProgressBar1->maximum());
  EXPECT_EQ(cardPrograms().first, 3);

  b = std::make_unique<Station>(&libraries());
  b->connect(card->tcpPort());
  ASSERT_EQ(b->ws.ControllerProgramCount, 3);
  QTimer::singleShot(0, b->fetch, [this] { b->fetch->Button1->click(); });
  b->main.N2->trigger();  // modal until fetched and confirmed
  ASSERT_EQ(b->prompt.messages, QStringList{QStringLiteral("获取节目成功")});
  EXPECT_FALSE(b->fetch->isVisible());
  EXPECT_TRUE(b->main.isConnected());
  EXPECT_EQ(b->ws.ProgramCount, 3);

  QTreeWidget* tree = b->main.TreeView1;
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* root = tree->topLevelItem(0);
  EXPECT_EQ(root->text(0), QStringLiteral("新节目表"));
  ASSERT_EQ(root->childCount(), 3);
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    QTreeWidgetItem* node = root->child(k);
    EXPECT_EQ(node->text(0), QStringLiteral("节目%1").arg(k + 1));
    ASSERT_EQ(node->childCount(), 1);
    EXPECT_EQ(node->child(0)->text(0), QStringLiteral("发布信息"));
    EXPECT_EQ(b->ws.store().readEntry(k), a->ws.store().readEntry(k));
    const QImage sent = a->ws.store().readPicture(k).convertToFormat(QImage::Format_RGB32);
    tree->setCurrentItem(node);
    b->main.TreeView1Click();
    EXPECT_EQ(b->main.shownPicture().convertToFormat(QImage::Format_RGB32), sent);
  }
}

// Connected to an empty card, the operator sends and fetches at once: the fetch takes back
// what was sent.
TEST_F(TransferCard, FetchRightAfterASendTakesBackWhatWasSent) {
  composeLibrary();
  const auto library = [this](int k) {
    return std::pair(a->ws.store().readEntry(k),
                     a->ws.store().readPicture(k).convertToFormat(QImage::Format_RGB32));
  };
  const decltype(library(0)) sent[] = {library(0), library(1), library(2)};
  sendFromA();
  QTimer::singleShot(0, a->fetch->Button1, &QPushButton::click);
  a->main.N2->trigger();  // modal until fetched and confirmed
  EXPECT_EQ(a->prompt.messages,
            (QStringList{QStringLiteral("发送成功"), QStringLiteral("获取节目成功")}));
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(library(k) == sent[k]) << k;
}

// What a send would encode must be what the editor shows: a library whose "颜色" lacks a colour
// of its picture is corrected on import, and a picture the card cannot hold is named when it is
// loaded and again before the send, with nothing on the wire.
TEST_F(TransferCard, ImportedWrongColourClassArrivesWithEveryPlane) {
  const QImage both =
      picture(96, 48, [](int x, int) { return x < 48 ? qRgb(255, 0, 0) : qRgb(0, 128, 0); });
  TestHome folder;
  ASSERT_TRUE(folder.write(QStringLiteral("0.bmp"), bmpBytes(both)));
  // 颜色=1 although the picture has green: a send would carry the red plane only.
  const QByteArray ini = GbkIni::toGbk(
      QStringLiteral("[节目0]\r\n屏宽=96\r\n屏高=48\r\n颜色=1\r\n播放方式=0\r\n播放速度=4\r\n"
                     "停留时间=5\r\n"));
  ASSERT_TRUE(folder.write(QStringLiteral("set.ini"), ini));
  a->prompt.folders.push_back(folder.path());
  a->main.I1->trigger();
  EXPECT_EQ(a->prompt.messages,
            QStringList{QStringLiteral("导入节目成功\n1个节目的颜色值与图片不符，已按图片改正。")});
  a->prompt.messages.clear();
  sendFromA();
  ASSERT_EQ(a->prompt.messages, QStringList{QStringLiteral("发送成功")});

  b = std::make_unique<Station>(&libraries());
  b->connect(card->tcpPort());
  QTimer::singleShot(0, b->fetch, [this] { b->fetch->Button1->click(); });
  b->main.N2->trigger();
  ASSERT_EQ(b->prompt.messages, QStringList{QStringLiteral("获取节目成功")});
  EXPECT_EQ(b->ws.store().readPicture(0), both);
}

TEST_F(TransferCard, PictureBeyondTheModelIsNamedOnLoadAndNothingIsSent) {
  ProgramStore& store = a->ws.store();
  a->ws.setSignSize(700, 64);
  a->main.SpeedButton1->click();  // a new program of the sign's size
  TestHome folder;
  ASSERT_TRUE(folder.write(QStringLiteral("wide.bmp"),
                           bmpBytes(picture(700, 64, [](int, int) { return qRgb(255, 0, 0); }))));
  a->prompt.files.push_back(folder.path() + QStringLiteral("/wide.bmp"));
  QTreeWidget* tree = a->main.TreeView1;
  const auto found =
      tree->findItems(QStringLiteral("节目1"), Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found[0]).center());
  a->main.SpeedButton7->click();
  const QString limit = QStringLiteral("最大宽度不能大于640");
  ASSERT_EQ(a->prompt.messages.size(), 1);
  EXPECT_TRUE(a->prompt.messages[0].contains(limit)) << a->prompt.messages[0].toStdString();
  EXPECT_EQ(colourClass(store.readPicture(0)), 1);  // the picture is kept

  a->prompt.messages.clear();
  const uint64_t wire = card->wireBytes();
  a->main.SpeedButton6->click();
  ASSERT_EQ(a->prompt.messages.size(), 1);
  EXPECT_TRUE(a->prompt.messages[0].startsWith(QStringLiteral("节目1：")))
      << a->prompt.messages[0].toStdString();
  EXPECT_TRUE(a->prompt.messages[0].contains(limit));
  EXPECT_EQ(card->wireBytes(), wire);
  EXPECT_FALSE(a->send->isVisible());
}

// A first-version card (raw planes, many chunks) takes 24 text programs of every play mode, and
// a fetch into a fresh home gives each one back.
TEST_F(TransferCard, TwentyFourProgramsToARawPlaneCardComeBackWhole) {
  a.reset();
  card->stop();
  signsim::CardOptions options = loopbackCard(320, 64, 2, false);
  options.features = 0;
  ASSERT_TRUE(startCard(options));
  a = std::make_unique<Station>(&libraries());
  a->connect(card->tcpPort());
  const QString words[] = {QStringLiteral("欢迎光临"), QStringLiteral("新年快乐"),
                           QStringLiteral("今日特价")};
  const char* colours[] = {"#ff0000", "#008000", "#ffff00"};
  for (int k = 0; k < 24; ++k) {
    a->main.SpeedButton1->click();
    QTextDocument text;
    text.setHtml(
        QStringLiteral("<span style=\"font-family:'宋体'; font-size:28pt; color:%1\">%2%3</span>")
            .arg(QLatin1String(colours[k % 3]), words[k % 3])
            .arg(k));
    const QImage page = ledtext::renderRichText(text, QSize(320, 64));
    a->ws.store().writePicture(k, page);
    a->ws.store().writeSettings(k, {320, 64, colourClass(page), k % 16, 2, 5});
  }
  sendFromA();
  ASSERT_EQ(a->prompt.messages, QStringList{QStringLiteral("发送成功")});

  b = std::make_unique<Station>(&libraries());
  b->connect(card->tcpPort());
  QTimer::singleShot(0, b->fetch, [this] { b->fetch->Button1->click(); });
  b->main.N2->trigger();  // modal until fetched and confirmed
  ASSERT_EQ(b->prompt.messages, QStringList{QStringLiteral("获取节目成功")});
  ASSERT_EQ(b->ws.ProgramCount, 24);
  for (int k = 0; k < 24; ++k) {
    EXPECT_EQ(b->ws.store().readEntry(k), a->ws.store().readEntry(k)) << k;
    EXPECT_EQ(b->ws.store().readPicture(k).convertToFormat(QImage::Format_RGB32),
              a->ws.store().readPicture(k).convertToFormat(QImage::Format_RGB32))
        << k;
  }
}

}  // namespace

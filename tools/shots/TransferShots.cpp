// The send window part way through a send of 24 text programs and the fetch window at its
// "获取节目成功" notice, with the main window behind them, against the virtual card over loopback
// TCP; each shot is the screen's region of the windows shown.
#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "Getpram.h"
#include "LinkLibraries.h"
#include "Mainface.h"
#include "ProgramStore.h"
#include "Protocol.h"
#include "ScreenShot.h"
#include "Sendpram.h"
#include "TextRender.h"

namespace {

struct Station {
  Station(LinkLibraries& link, int port) : ws(home.path()), main(ws, prompt) {
    ws.setLink(&link);
    main.sleep = [](int) {};
    send = new TSendPramForm(ws, prompt, &main);
    fetch = new TGetPramForm(ws, prompt, &main);
    main.SendPramForm = send;
    main.GetPramForm = fetch;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    main.show();
    main.move(screen.center() - main.frameGeometry().center() + main.pos());
    ws.commSettings.Transport = QStringLiteral("1");
    ws.commSettings.ControllerIp = QStringLiteral("127.0.0.1");
    ws.commSettings.ControllerPort = port;
    main.SpeedButton5->click();
    qputenv("LEDSIGN_HOME", home.path().toLocal8Bit());
  }
  ~Station() {
    if (main.isConnected()) main.SpeedButton4->click();
  }
  void pick(int k) {
    main.TreeView1->setCurrentItem(main.TreeView1->topLevelItem(0)->child(k));
    main.TreeView1Click();
  }

  ShotHome home;
  ShotPrompt prompt;
  Workspace ws;
  TMainForm main;
  TSendPramForm* send;
  TGetPramForm* fetch;
};

TEST(SendFetchShots, SendPartWayAndFetchDone) {
  // A card that takes raw planes and answers each chunk late, so that the send can be seen part
  // way.
  const auto card = startShotCard(320, 64, 2, 0);
  ASSERT_TRUE(card);
  card->faults().set(int(nq::Cmd::UploadChunk), *signsim::parseFault("delay:300"));
  LinkLibraries link(QStringLiteral(LEDSIGN_BIN_DIR));

  // Twenty-four text programs in the editor's three colours.
  const QStringList words = {QStringLiteral("欢迎光临"), QStringLiteral("新年快乐"),
                             QStringLiteral("今日特价"), QStringLiteral("请排队候车")};
  const QString colours[] = {QStringLiteral("#ff0000"), QStringLiteral("#008000"),
                             QStringLiteral("#ffff00")};
  auto a = std::make_unique<Station>(link, card->tcpPort());
  {
    ASSERT_TRUE(a->main.isConnected());
    for (int k = 0; k < 24; ++k) {
      a->main.SpeedButton1->click();
      QTextDocument text;
      text.setDocumentMargin(0);
      text.setHtml(QStringLiteral("<span style=\"font-family:'宋体'; font-size:28pt; "
                                  "color:%1\">%2</span>")
                       .arg(colours[k % 3], words[k % words.size()]));
      const QImage page = ledtext::renderRichText(text, QSize(320, 64));
      a->ws.store().writePicture(k, page);
      a->ws.store().writeSettings(k, {320, 64, colourClass(page), k % 16, 2, 5});
    }
    a->pick(0);
    QTimer::singleShot(1300, [&] {
      shootScreen(shotFile(QStringLiteral("send-part-way.png")), {&a->main, a->send});
    });
    a->main.SpeedButton6->click();  // modal until "发送成功" has closed
    ASSERT_EQ(a->prompt.messages,
              QStringList{QCoreApplication::translate("TSendPramForm", "发送成功")});
    a->main.SpeedButton4->click();
    a->main.hide();
  }

  Station b(link, card->tcpPort());
  ASSERT_EQ(b.ws.ControllerProgramCount, 24);
  b.prompt.shot = shotFile(QStringLiteral("fetch-done.png"));
  b.prompt.around = {&b.main, b.fetch};
  // Without a window manager the box would sit on the dialog: put it beside it.
  b.prompt.prepare = [&](QWidget* box) {
    b.pick(1);
    box->move(b.fetch->frameGeometry().right() + 12, b.fetch->frameGeometry().top());
  };
  QTimer::singleShot(300, b.fetch, [&] { b.fetch->Button1->click(); });
  b.main.N2->trigger();  // modal until fetched and confirmed
  EXPECT_EQ(b.prompt.messages,
            QStringList{QCoreApplication::translate("TGetPramForm", "获取节目成功")});
  EXPECT_EQ(b.ws.ProgramCount, 24);
  card->stop();
}

}  // namespace

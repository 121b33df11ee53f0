#pragma once
// The parameter dialog over the real link libraries, talking to the virtual card in-process over
// loopback TCP or a pseudo-terminal.

#include <QPushButton>

#include "Card.h"
#include "LinkLibraries.h"
#include "ParamsFixture.h"

class CardParams : public ::testing::TestWithParam<Transport> {
 protected:
  static void SetUpTestSuite() {
    qputenv("NQ_LINK_TIMEOUT_MS", "1000");
    libraries = new LinkLibraries(QStringLiteral(LEDSIGN_BIN_DIR));
  }
  static void TearDownTestSuite() {
    delete libraries;
    libraries = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(libraries->serialLoaded() && libraries->netLoaded());
    signsim::CardOptions options;
    options.tcpPort = 0;
    options.pty = true;
    options.pace = false;
    options.width = 96;
    options.height = 48;
    options.model = 2;
    options.baud = 115200;
    card = std::make_unique<signsim::Card>(options);
    std::string error;
    ASSERT_TRUE(card->start(&error)) << error;

    ws = std::make_unique<Workspace>(home.path());
    ws->setLink(libraries);
    ws->commSettings.Transport = transportText(GetParam());
    if (GetParam() == Transport::Net) {
      ASSERT_EQ(libraries->Connect(QStringLiteral("127.0.0.1"), card->tcpPort()), 0);
    } else {
      libraries->Set_GPRS(0, 1000);
      ASSERT_EQ(libraries->OpenSerial(QString::fromStdString(card->ptyPath()), 115200), 0);
    }
    ws->markConnected();
    ws->ScreenWidth = 96;
    ws->ScreenHeight = 48;
    ws->ControllerModel = 2;
    dialog = std::make_unique<TScreenWHForm>(*ws, prompt);
    dialog->show();
  }
  void TearDown() override {
    if (GetParam() == Transport::Net)
      libraries->Disnect();
    else
      libraries->CloseSerial();
    if (card) card->stop();
  }

  // The messages since the last look.
  QStringList said() {
    QStringList m = prompt.messages;
    prompt.messages.clear();
    return m;
  }

  static inline LinkLibraries* libraries = nullptr;
  TestHome home;
  ScriptedPrompt prompt;
  std::unique_ptr<Workspace> ws;
  std::unique_ptr<TScreenWHForm> dialog;
  std::unique_ptr<signsim::Card> card;
};

inline std::string transportName(const ::testing::TestParamInfo<Transport>& info) {
  return info.param == Transport::Net ? "Tcp" : "Pty";
}

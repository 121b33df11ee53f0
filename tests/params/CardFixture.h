#pragma once
// The parameter dialog over the real link libraries, talking to the virtual card in-process over
// loopback TCP or a pseudo-terminal.

#include <QPushButton>

#include "ParamsFixture.h"
#include "VirtualCard.h"

class CardParams : public WithLinkLibraries<::testing::TestWithParam<Transport>> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(libraries->serialLoaded() && libraries->netLoaded());
    card = startCard(loopbackCard(96, 48, 2, true));
    ASSERT_TRUE(card);

    ws = std::make_unique<Workspace>(home.path());
    ws->setLink(libraries);
    ws->commSettings.Transport = transportText(GetParam());
    if (GetParam() == Transport::Serial) libraries->Set_GPRS(0, 1000);
    ASSERT_EQ(openLink(*libraries, *card, GetParam()), 0);
    ws->markConnected();
    ws->ScreenWidth = 96;
    ws->ScreenHeight = 48;
    ws->ControllerModel = 2;
    dialog = std::make_unique<TScreenWHForm>(*ws, prompt);
    dialog->show();
  }
  void TearDown() override {
    closeLink(*libraries, GetParam());
    if (card) card->stop();
  }

  // The messages since the last look.
  QStringList said() {
    QStringList m = prompt.messages;
    prompt.messages.clear();
    return m;
  }

  TestHome home;
  ScriptedPrompt prompt;
  std::unique_ptr<Workspace> ws;
  std::unique_ptr<TScreenWHForm> dialog;
  std::unique_ptr<signsim::Card> card;
};

inline std::string transportName(const ::testing::TestParamInfo<Transport>& info) {
  return info.param == Transport::Net ? "Tcp" : "Pty";
}

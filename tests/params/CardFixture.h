#pragma once
// The parameter dialog over the real link libraries, talking to the virtual card in-process over
// loopback TCP or a pseudo-terminal.

#include <QPushButton>

#include "ConnectionPages.h"
#include "LinkLibraries.h"
#include "Screenwh.h"
#include "TuningPages.h"
#include "VirtualCard.h"
#include "WorkspaceFixture.h"

class CardParams : public WorkspaceFixture, public ::testing::WithParamInterface<Transport> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(startCard(loopbackCard(96, 48, 2, true)));
    if (GetParam() == Transport::Serial) libraries().Set_GPRS(0, 1000);
    ASSERT_TRUE(connectCard(GetParam()));
    ws->ScreenWidth = 96;
    ws->ScreenHeight = 48;
    ws->ControllerModel = 2;
    dialog = std::make_unique<TScreenWHForm>(*ws, prompt);
    dialog->show();
  }
  // The messages since the last look.
  QStringList said() {
    QStringList m = prompt.messages;
    prompt.messages.clear();
    return m;
  }

  std::unique_ptr<TScreenWHForm> dialog;
};

inline std::string transportName(const ::testing::TestParamInfo<Transport>& info) {
  return info.param == Transport::Net ? "Tcp" : "Pty";
}

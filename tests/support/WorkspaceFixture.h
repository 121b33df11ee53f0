#pragma once
// The set-up every window test shares: a fresh temporary home, the scripted Prompt, a workspace
// on the home, and the link it talks through: the scripted MockLink, or the build's link
// libraries talking to a virtual card in-process over loopback TCP or a pseudo-terminal.
// A suite derives from it for the windows and helpers that are its own.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "MockLink.h"
#include "ScriptedPrompt.h"
#include "TestHome.h"
#include "Workspace.h"

class LinkLibraries;
namespace signsim {
class Card;
struct CardOptions;
}  // namespace signsim

class WorkspaceFixture : public ::testing::Test {
 protected:
  WorkspaceFixture();
  ~WorkspaceFixture() override;
  // Closes a link connectCard opened and stops the card.
  void TearDown() override;

  // A new workspace on `path` (the home when empty), as a fresh start of the application has.
  void reopen(const QString& path = {});
  // The workspace talks through the scripted link; connected unless told otherwise.
  void useMockLink(bool connected = true);
  void useTransport(Transport transport);

  // The build's two link libraries, loaded once per test program.
  static LinkLibraries& libraries();
  // Starts `card`, with a 1 s reply timeout so that a silent card is noticed quickly; false,
  // with the reason recorded as a failure, when it cannot start.
  bool startCard(const signsim::CardOptions& options);
  // The workspace talks through the link libraries, connected to `card` over `transport`.
  bool connectCard(Transport transport);

  TestHome home;
  ScriptedPrompt prompt;
  ::testing::NiceMock<MockLink> link;
  std::unique_ptr<Workspace> ws;
  std::unique_ptr<signsim::Card> card;

 private:
  std::optional<Transport> cardLink_;
};

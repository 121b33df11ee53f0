#include "WorkspaceFixture.h"

#include "Card.h"
#include "LinkLibraries.h"
#include "VirtualCard.h"

WorkspaceFixture::WorkspaceFixture() : ws(std::make_unique<Workspace>(home.path())) {}

WorkspaceFixture::~WorkspaceFixture() = default;

void WorkspaceFixture::TearDown() {
  if (cardLink_) closeLink(libraries(), *cardLink_);
  if (card) card->stop();
}

void WorkspaceFixture::reopen(const QString& path) {
  ws.reset();
  ws = std::make_unique<Workspace>(path.isEmpty() ? home.path() : path);
}

void WorkspaceFixture::useMockLink(bool connected) {
  ws->setLink(&link);
  if (connected) ws->markConnected();
}

void WorkspaceFixture::useTransport(Transport transport) {
  ws->commSettings.Transport =
      transport == Transport::Serial ? QStringLiteral("0") : QStringLiteral("1");
}

LinkLibraries& WorkspaceFixture::libraries() {
  static LinkLibraries built(QStringLiteral(LEDSIGN_BIN_DIR));
  return built;
}

bool WorkspaceFixture::startCard(const signsim::CardOptions& options) {
  qputenv("NQ_LINK_TIMEOUT_MS", "1000");
  EXPECT_TRUE(libraries().serialLoaded() && libraries().netLoaded()) << LEDSIGN_BIN_DIR;
  card = ::startCard(options);
  return card != nullptr;
}

bool WorkspaceFixture::connectCard(Transport transport) {
  ws->setLink(&libraries());
  useTransport(transport);
  const int opened = openLink(libraries(), *card, transport);
  EXPECT_EQ(opened, 0);
  if (opened != 0) return false;
  cardLink_ = transport;
  ws->markConnected();
  return true;
}

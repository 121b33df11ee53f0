#pragma once
// The virtual card in-process, for tests that drive the windows against a card over loopback
// TCP or a pseudo-terminal through the real link libraries.

#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "Card.h"
#include "LinkLibraries.h"

// A card of the given size and model on a free loopback port and, when asked, on a
// pseudo-terminal that does not pace its bytes to the baud rate.
inline signsim::CardOptions loopbackCard(int width, int height, int model, bool pty) {
  signsim::CardOptions options;
  options.tcpPort = 0;
  options.pty = pty;
  options.pace = false;
  options.width = width;
  options.height = height;
  options.model = model;
  return options;
}

// The card, started; nullptr with the reason recorded as a failure when it cannot start.
inline std::unique_ptr<signsim::Card> startCard(const signsim::CardOptions& options) {
  auto card = std::make_unique<signsim::Card>(options);
  std::string error;
  if (card->start(&error)) return card;
  ADD_FAILURE() << "the virtual card did not start: " << error;
  return nullptr;
}

// Opens the link to the card over the transport; the library's result.
inline int openLink(LinkLibraries& link, const signsim::Card& card, Transport transport,
                    int baud = 115200) {
  return transport == Transport::Serial
             ? link.OpenSerial(QString::fromStdString(card.ptyPath()), baud)
             : link.Connect(QStringLiteral("127.0.0.1"), card.tcpPort());
}

inline void closeLink(LinkLibraries& link, Transport transport) {
  if (transport == Transport::Serial)
    link.CloseSerial();
  else
    link.Disnect();
}

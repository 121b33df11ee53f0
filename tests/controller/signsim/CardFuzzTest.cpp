// The card's decoder against random and mutated frames: it never crashes, stays bounded, and
// still answers a good frame afterwards.
#include <gtest/gtest.h>

#include <random>

#include "Card.h"

using namespace nq;

namespace {

std::vector<uint8_t> validFrame(std::mt19937& rng) {
  static const Cmd cmds[] = {Cmd::Heart,       Cmd::SetSize,   Cmd::SetSerial,  Cmd::SetNet,
                             Cmd::SetScan,     Cmd::SetTime,   Cmd::SetIo,      Cmd::UploadBegin,
                             Cmd::UploadChunk, Cmd::UploadEnd, Cmd::FetchBegin, Cmd::FetchChunk,
                             Cmd::GetVersion,  Cmd::Reboot};
  std::vector<uint8_t> payload(rng() % 64 == 0 ? rng() % 3000 : rng() % 40);
  for (auto& b : payload) b = uint8_t(rng());
  std::vector<uint8_t> out;
  encodeFrame(out, uint8_t(cmds[rng() % std::size(cmds)]), uint16_t(rng()), 0, payload);
  return out;
}

bool answersHeart(signsim::Session& s) {
  std::vector<uint8_t> probe;
  encodeFrame(probe, uint8_t(Cmd::Heart), 0xBEEF, 0, {});
  // Enough trailing bytes to complete any frame a garbage header may have begun.
  probe.resize(probe.size() + kMaxFrame, 0);
  std::vector<uint8_t> frame;
  encodeFrame(frame, uint8_t(Cmd::Heart), 0xBEEF, 0, {});
  probe.insert(probe.end(), frame.begin(), frame.end());
  for (const auto& a : s.onBytes(probe)) {
    FrameDecoder d;
    d.feed(a.bytes);
    while (auto e = d.next())
      if (e->kind == FrameDecoder::Kind::Frame && e->frame.seq == 0xBEEF &&
          e->frame.command == (uint8_t(Cmd::Heart) | kReplyBit) && e->frame.status == 0)
        return true;
  }
  return false;
}

}  // namespace

TEST(CardDecoder, SurvivesRandomAndMutatedFrames) {
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.pty = false;
  signsim::Card card(o);  // memory only
  auto session = card.newSession();
  std::mt19937 rng(12345);
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> bytes;
    switch (round % 3) {
      case 0:  // plain noise, rich in magic bytes
        bytes.resize(rng() % 512);
        for (auto& b : bytes)
          b = rng() % 3 == 0 ? kMagic0 : rng() % 3 == 0 ? kMagic1 : uint8_t(rng());
        break;
      case 1: {  // a valid frame with a few bytes changed, dropped or inserted
        bytes = validFrame(rng);
        for (int k = int(rng() % 4); k >= 0; --k) {
          size_t at = rng() % bytes.size();
          switch (rng() % 3) {
            case 0:
              bytes[at] ^= uint8_t(1 + rng() % 255);
              break;
            case 1:
              bytes.erase(bytes.begin() + ptrdiff_t(at));
              break;
            default:
              bytes.insert(bytes.begin() + ptrdiff_t(at), uint8_t(rng()));
          }
          if (bytes.empty()) break;
        }
        break;
      }
      default:  // valid frames with random payloads, valid checksums
        bytes = validFrame(rng);
    }
    auto actions = session->onBytes(bytes);
    EXPECT_LE(actions.size(), bytes.size() / kHeaderSize + 1);
    ASSERT_LT(session->memoryInUse(), 64u << 20);
  }
  EXPECT_TRUE(answersHeart(*session));
  // Nothing the noise did got past the card's checks into impossible state.
  std::lock_guard l(card.store().mutex());
  const auto& c = card.store().config();
  EXPECT_GE(c.brightness, 1);
  EXPECT_LE(c.brightness, 32);
  EXPECT_GE(c.width, 1);
  EXPECT_LE(c.width, 640);
}

// A megabyte of overlapping valid headers ("A5 5A 01 00 00 00" repeated: each announces a
// 23 KiB frame) gets one checksum answer per announced extent, not one per header, and the card
// still answers a good frame after it.
TEST(CardDecoder, OverlappingHeadersGetOneAnswerPerExtent) {
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.pty = false;
  signsim::Card card(o);
  auto session = card.newSession();
  std::vector<uint8_t> garbage;
  while (garbage.size() < (size_t(1) << 20))
    garbage.insert(garbage.end(), {kMagic0, kMagic1, kVersion, 0, 0, 0});
  size_t answers = 0;
  for (size_t at = 0; at < garbage.size(); at += 4096)
    answers += session->onBytes(std::span<const uint8_t>(garbage).subspan(at, 4096)).size();
  EXPECT_LE(answers, garbage.size() / 0x5AA5 + 2);
  EXPECT_TRUE(answersHeart(*session));
}

// The card's decoder against the fuzz target's inputs, well-formed frames of random payload and a
// flood of headers: it never crashes, stays bounded, and still answers a good frame afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>

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

// What the card makes of one feed of bytes: each answer is one whole frame, and there are no
// more answers than headers the bytes could hold.
void expectBoundedAnswers(signsim::Session& session, std::span<const uint8_t> bytes) {
  const auto actions = session.onBytes(bytes);
  EXPECT_LE(actions.size(), bytes.size() / kHeaderSize + 1);
  for (const auto& a : actions) {
    FrameDecoder d;
    d.feed(a.bytes);
    const auto e = d.next();
    EXPECT_TRUE(a.bytes.empty() || (e && e->kind == FrameDecoder::Kind::Frame));
  }
}

}  // namespace

// Every input the fuzz target fuzz_card_frames keeps in its committed corpus (it feeds the card
// arbitrary bytes for as long as it runs), each to a new session cut in two as that target cuts
// it, then well-formed frames of every command with random payloads (right checksums, which the
// fuzzer's mutations rarely keep) through one session: the answers are bounded whole frames,
// memory stays bounded, and afterwards the card still answers a good frame with its settings
// within their limits.
TEST(CardDecoder, SurvivesTheFuzzCorpusAndRandomPayloads) {
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.pty = false;
  signsim::Card card(o);  // memory only
  std::vector<std::filesystem::path> corpus;
  for (const auto& entry : std::filesystem::directory_iterator(CARD_FRAMES_CORPUS))
    corpus.push_back(entry.path());
  std::sort(corpus.begin(), corpus.end());
  ASSERT_GE(corpus.size(), 6u);  // the seeds the project's encoders wrote, at least
  for (const auto& path : corpus) {
    SCOPED_TRACE(path.filename().string());
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    const size_t cut = bytes.empty() ? 0 : bytes[0] % (bytes.size() + 1);
    auto session = card.newSession();
    for (const auto part : {std::span(bytes).first(cut), std::span(bytes).subspan(cut)})
      expectBoundedAnswers(*session, part);
    ASSERT_LT(session->memoryInUse(), 64u << 20);
  }
  auto session = card.newSession();
  std::mt19937 rng(12345);
  for (int round = 0; round < 1000; ++round) {
    SCOPED_TRACE(round);
    expectBoundedAnswers(*session, validFrame(rng));
    ASSERT_LT(session->memoryInUse(), 64u << 20);
  }
  EXPECT_TRUE(answersHeart(*session));
  // Nothing the feeds did got past the card's checks into impossible state.
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

// Frames, the streaming decoder and the record layouts.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>

#include "Protocol.h"
#include "Records.h"

using namespace nq;

static std::vector<FrameDecoder::Event> decodeAll(std::span<const uint8_t> bytes) {
  FrameDecoder d;
  d.feed(bytes);
  std::vector<FrameDecoder::Event> out;
  while (auto e = d.next()) out.push_back(*e);
  return out;
}

TEST(RecordLayout, SizesAndOffsetsMatchTheInterface) {
  struct Row {
    const char* name;
    size_t actual, expected;
  };
  const Row rows[] = {
      {"ProgramSendRecord", sizeof(ProgramSendRecord), 65288},
      {"ProgramSendRecord.count", offsetof(ProgramSendRecord, count), 65028},
      {"ProgramSendRecord.iniPath", offsetof(ProgramSendRecord, iniPath), 65032},
      {"slot 2", offsetof(ProgramSendRecord, bitmapPaths[2]), 510},
      {"NetCardEntry", sizeof(NetCardEntry), 271},
      {"NetCardEntry.description", offsetof(NetCardEntry, description), 16},
      {"NetIpEntry", sizeof(NetIpEntry), 52},
      {"NetIpEntry.port", offsetof(NetIpEntry, port), 48},
      {"ProgramIoEntry", sizeof(ProgramIoEntry), 68},
      {"ProgramIoTable", sizeof(ProgramIoTable), 408},
      {"ProgramIoTable.lines[5].programs[15]", offsetof(ProgramIoTable, lines[5].programs[15]),
       5 * 68 + 4 + 60},
      {"ScreenSizeRecord", sizeof(ScreenSizeRecord), 8},
      {"SerialParaRecord", sizeof(SerialParaRecord), 16},
      {"SerialParaRecord.stopBits", offsetof(SerialParaRecord, stopBits), 12},
      {"NetParaRecord", sizeof(NetParaRecord), 52},
      {"NetParaRecord.gateway", offsetof(NetParaRecord, gateway), 32},
      {"DayNightRecord", sizeof(DayNightRecord), 8},
      {"DayNightRecord.night", offsetof(DayNightRecord, night), 4},
  };
  for (const auto& r : rows) EXPECT_EQ(r.actual, r.expected) << r.name;
}

TEST(Frame, EncodesGoldenBytes) {
  // Worked out by hand: header sum check and CRC-32 (zlib) of bytes 2..end of payload.
  const std::vector<uint8_t> heart = {0xA5, 0x5A, 0x01, 0x01, 0x01, 0x00, 0x00,
                                      0x00, 0x00, 0xFE, 0xFD, 0xD8, 0xA6, 0x9E};
  std::vector<uint8_t> out;
  encodeFrame(out, uint8_t(Cmd::Heart), 1, 0, {});
  EXPECT_EQ(out, heart);

  const std::vector<uint8_t> model = {0xA5, 0x5A, 0x01, 0x85, 0x34, 0x12, 0x04, 0x00, 0x00,
                                      0x31, 0x02, 0x00, 0x00, 0x00, 0x2F, 0x0C, 0xEA, 0xB7};
  out.clear();
  const uint8_t payload[] = {2, 0, 0, 0};
  encodeFrame(out, uint8_t(Cmd::GetModel) | kReplyBit, 0x1234, 0, payload);
  EXPECT_EQ(out, model);
}

TEST(Frame, RoundTripsPayloadSizes) {
  for (size_t n : {size_t(0), size_t(1), size_t(255), size_t(4096), kMaxPayload}) {
    Frame f{uint8_t(Cmd::UploadChunk), uint16_t(n), 7, std::vector<uint8_t>(n)};
    for (size_t i = 0; i < n; ++i) f.payload[i] = uint8_t(i * 31 + 7);
    auto ev = decodeAll(encodeFrame(f));
    ASSERT_EQ(ev.size(), 1u) << n;
    EXPECT_EQ(ev[0].kind, FrameDecoder::Kind::Frame);
    EXPECT_EQ(ev[0].frame.command, f.command);
    EXPECT_EQ(ev[0].frame.seq, f.seq);
    EXPECT_EQ(ev[0].frame.status, 7);
    EXPECT_EQ(ev[0].frame.payload, f.payload);
  }
}

TEST(Frame, DecodesAcrossArbitrarySplits) {
  std::vector<uint8_t> stream;
  for (int i = 0; i < 5; ++i)
    encodeFrame(stream, uint8_t(Cmd::GetTime), uint16_t(i), 0,
                std::vector<uint8_t>(size_t(i) * 100, uint8_t(i)));
  for (size_t step : {size_t(1), size_t(3), size_t(13), size_t(1000)}) {
    FrameDecoder d;
    int frames = 0;
    for (size_t at = 0; at < stream.size(); at += step) {
      d.feed(std::span<const uint8_t>(stream).subspan(at, std::min(step, stream.size() - at)));
      while (auto e = d.next()) {
        EXPECT_EQ(e->kind, FrameDecoder::Kind::Frame);
        EXPECT_EQ(e->frame.seq, frames);
        ++frames;
      }
    }
    EXPECT_EQ(frames, 5) << "step " << step;
  }
}

// Every single-byte corruption: in the header the frame is not recognised at all, after it the
// frame is reported corrupt; a good frame that follows is always still found.
TEST(Frame, CorruptedBytesAreRejectedAndTheNextFrameSurvives) {
  const std::vector<uint8_t> payload = {1, 2, 3, 4, 5, 6, 7, 8};
  std::vector<uint8_t> good;
  encodeFrame(good, uint8_t(Cmd::SetSize), 42, 0, payload);
  std::vector<uint8_t> next;
  encodeFrame(next, uint8_t(Cmd::Heart), 43, 0, {});
  for (size_t i = 0; i < good.size(); ++i) {
    auto bad = good;
    bad[i] ^= 0x10;
    std::vector<uint8_t> stream = bad;
    stream.insert(stream.end(), next.begin(), next.end());
    auto ev = decodeAll(stream);
    ASSERT_FALSE(ev.empty()) << i;
    for (size_t k = 0; k + 1 < ev.size(); ++k)
      EXPECT_EQ(ev[k].kind, FrameDecoder::Kind::Corrupt) << i;
    EXPECT_EQ(ev.back().kind, FrameDecoder::Kind::Frame) << i;
    EXPECT_EQ(ev.back().frame.seq, 43) << i;
    if (i >= kHeaderSize) {
      ASSERT_EQ(ev.size(), 2u) << i;
      EXPECT_EQ(ev[0].frame.seq, 42) << i;
    }
  }
}

TEST(Frame, RejectsOversizedLengthAndOtherVersions) {
  std::vector<uint8_t> f;
  encodeFrame(f, uint8_t(Cmd::Heart), 1, 0, {});
  struct Row {
    size_t at;
    uint8_t value;
  };
  // Length 0x8100 (over the limit) and version 2, each with a header check made to match.
  for (Row r : {Row{7, 0x81}, Row{2, 0x02}}) {
    auto bad = f;
    bad[r.at] = r.value;
    unsigned sum = 0;
    for (size_t i = 0; i < 9; ++i) sum += bad[i];
    bad[9] = uint8_t(0x100 - (sum & 0xFF));
    FrameDecoder d;
    d.feed(bad);
    EXPECT_FALSE(d.next().has_value());
    EXPECT_LT(d.buffered(), kHeaderSize);
  }
}

TEST(Frame, GarbageKeepsTheBufferBounded) {
  std::mt19937 rng(7);
  FrameDecoder d;
  std::vector<uint8_t> chunk(4096);
  for (int round = 0; round < 200; ++round) {
    for (auto& b : chunk) b = uint8_t(rng() % 4 == 0 ? kMagic0 : rng());
    d.feed(chunk);
    while (d.next()) {
    }
    EXPECT_LE(d.buffered(), kMaxFrame);
  }
}

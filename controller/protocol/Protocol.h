#pragma once
// The wire protocol between the link libraries and a controller card (README.md has the full
// description). Frames:
//   0  2  magic A5 5A        6  2  payload length (LE, <= kMaxPayload)
//   2  1  version 1          8  1  status (0 in requests)
//   3  1  command            9  1  header check: bytes 0..9 sum to 0 mod 256
//   4  2  sequence (LE)      10 n  payload, then CRC-32 (LE) of bytes 2 .. 9+n

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace nq {

inline constexpr uint8_t kMagic0 = 0xA5;
inline constexpr uint8_t kMagic1 = 0x5A;
inline constexpr uint8_t kVersion = 1;
inline constexpr size_t kHeaderSize = 10;
inline constexpr size_t kTrailerSize = 4;
inline constexpr size_t kMaxPayload = 32768;
inline constexpr size_t kMaxFrame = kHeaderSize + kMaxPayload + kTrailerSize;
inline constexpr uint8_t kReplyBit = 0x80;

enum class Cmd : uint8_t {
  Heart = 0x01,
  GetSize = 0x02,
  SetSize = 0x03,
  GetProgramCount = 0x04,
  GetModel = 0x05,
  Format = 0x06,
  Reboot = 0x07,
  GetFeatures = 0x08,
  GetSerial = 0x10,
  SetSerial = 0x11,
  Get485 = 0x12,
  Set485 = 0x13,
  GetNet = 0x14,
  SetNet = 0x15,
  GetScan = 0x16,
  SetScan = 0x17,
  GetBrightness = 0x18,
  SetBrightness = 0x19,
  GetDayNight = 0x1A,
  SetDayNight = 0x1B,
  GetOnOff = 0x1C,
  SetOnOff = 0x1D,
  GetTime = 0x1E,
  SetTime = 0x1F,
  GetVersion = 0x20,
  GetIo = 0x21,
  SetIo = 0x22,
  UploadBegin = 0x30,
  UploadChunk = 0x31,
  UploadEnd = 0x32,
  FetchBegin = 0x33,
  FetchChunk = 0x34,
  Discover = 0x40,  // UDP only
};

// Reply status codes (byte 8 of a reply).
enum class Status : uint8_t {
  Ok = 0,
  BadChecksum = 1,  // the request failed its CRC; the sender may repeat it
  UnknownCommand = 2,
  BadLength = 3,      // payload length wrong for the command
  OutOfRange = 4,     // a value the card does not accept
  NoSpace = 5,        // a program exceeds the card's program memory, or a transfer is too big
  BadSequence = 6,    // chunk or end without a matching begin, or at the wrong offset
  BadTransfer = 7,    // a completed upload failed its CRC or does not parse
  StorageFailed = 8,  // the card could not write its flash (state directory)
};

enum class UploadKind : uint8_t { Programs = 1, Firmware = 2 };

// What a card can do beyond the first version of the protocol (the GetFeatures reply; a card
// that answers GetFeatures with UnknownCommand has none of them).
enum Feature : uint32_t {
  kFeatureVerifiedStore = 1,  // the UploadEnd reply carries the CRC-32 of what the card stored
  kFeatureLz4 = 2,            // upload and fetch chunks may carry LZ4 blocks
};
inline constexpr uint32_t kAllFeatures = kFeatureVerifiedStore | kFeatureLz4;
// Chunk encodings (UploadBegin byte 1, FetchBegin's optional fifth byte).
inline constexpr uint8_t kEncodingRaw = 0;
inline constexpr uint8_t kEncodingLz4 = 1;

struct Frame {
  uint8_t command = 0;
  uint16_t seq = 0;
  uint8_t status = 0;
  std::vector<uint8_t> payload;
};

uint32_t crc32(std::span<const uint8_t> data, uint32_t crc = 0);

// Appends the encoded frame to out. The payload must not exceed kMaxPayload.
void encodeFrame(std::vector<uint8_t>& out, uint8_t command, uint16_t seq, uint8_t status,
                 std::span<const uint8_t> payload);
std::vector<uint8_t> encodeFrame(const Frame& f);

// CRC-32 of b given crc(a) of what precedes it, crc(b) and the length of b: crc(a || b).
uint32_t crc32Combine(uint32_t crcA, uint32_t crcB, uint64_t lengthB);

// Incremental decoder. Bytes that cannot start a valid header are skipped one at a time; a
// frame whose CRC fails is reported as corrupt (its header is trusted only for seq/command) and
// the scan resumes one byte after its magic, so a good frame inside garbage is still found.
// The decoder keeps the running CRC of every buffered byte, so checking a frame costs a few
// hundred operations whatever its length: decoding is linear in the input even when valid
// headers overlap. Memory stays below 2 * kMaxFrame whatever is fed.
class FrameDecoder {
 public:
  enum class Kind { Frame, Corrupt };
  struct Event {
    Kind kind;
    Frame frame;
    // A corrupt frame whose header lies inside the extent announced by the previous corrupt
    // frame: the same damage seen again, not a new request.
    bool insideCorrupt = false;
  };

  void feed(std::span<const uint8_t> bytes);
  // Next decoded event, or nullopt when more bytes are needed.
  std::optional<Event> next();
  void reset();
  size_t buffered() const { return buf_.size() - pos_; }
  // After next() returned nullopt: the frame whose valid header has arrived and whose payload
  // or CRC is still on its way (command, sequence and status; no payload), or nullopt.
  std::optional<Frame> pending() const;
  uint64_t skippedBytes() const { return skipped_; }

 private:
  std::vector<uint8_t> buf_;
  std::vector<uint32_t> prefix_;  // prefix_[i]: running CRC of the stream up to buf_[i]
  size_t pos_ = 0;
  uint64_t dropped_ = 0;     // stream offset of buf_[0]
  uint64_t corruptEnd_ = 0;  // stream offset just past the last corrupt frame
  uint64_t skipped_ = 0;
  void compact();
};

// Little-endian payload helpers.
class Writer {
 public:
  Writer& u8(uint8_t v) {
    b.push_back(v);
    return *this;
  }
  Writer& u16(uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
    return *this;
  }
  Writer& u32(uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
    return *this;
  }
  Writer& i32(int32_t v) { return u32(uint32_t(v)); }
  Writer& bytes(const void* p, size_t n) {
    auto c = static_cast<const uint8_t*>(p);
    b.insert(b.end(), c, c + n);
    return *this;
  }
  std::vector<uint8_t> b;
};

class Reader {
 public:
  explicit Reader(std::span<const uint8_t> s) : s_(s) {}
  bool u8(uint8_t& v) {
    if (!need(1)) return false;
    v = s_[p_++];
    return true;
  }
  bool u16(uint16_t& v) {
    if (!need(2)) return false;
    v = uint16_t(s_[p_] | (s_[p_ + 1] << 8));
    p_ += 2;
    return true;
  }
  bool u32(uint32_t& v) {
    if (!need(4)) return false;
    v = uint32_t(s_[p_]) | uint32_t(s_[p_ + 1]) << 8 | uint32_t(s_[p_ + 2]) << 16 |
        uint32_t(s_[p_ + 3]) << 24;
    p_ += 4;
    return true;
  }
  bool i32(int32_t& v) {
    uint32_t u;
    if (!u32(u)) return false;
    v = int32_t(u);
    return true;
  }
  bool bytes(void* out, size_t n) {
    if (!need(n)) return false;
    for (size_t i = 0; i < n; ++i) static_cast<uint8_t*>(out)[i] = s_[p_ + i];
    p_ += n;
    return true;
  }
  std::span<const uint8_t> rest() const { return s_.subspan(p_); }
  size_t remaining() const { return s_.size() - p_; }
  bool atEnd() const { return p_ == s_.size(); }

 private:
  bool need(size_t n) const { return s_.size() - p_ >= n; }
  std::span<const uint8_t> s_;
  size_t p_ = 0;
};

const char* commandName(uint8_t command);
std::optional<uint8_t> commandByName(const std::string& name);

}  // namespace nq

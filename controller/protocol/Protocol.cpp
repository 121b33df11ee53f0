#include "Protocol.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace nq {

namespace {
std::array<uint32_t, 256> makeCrcTable() {
  std::array<uint32_t, 256> t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[i] = c;
  }
  return t;
}
const std::array<uint32_t, 256> kCrcTable = makeCrcTable();

// Multiplication modulo the CRC polynomial, bit-reflected (as zlib's crc32_combine).
uint32_t multModP(uint32_t a, uint32_t b) {
  uint32_t m = 1u << 31, p = 0;
  for (;;) {
    if (a & m) {
      p ^= b;
      if ((a & (m - 1)) == 0) break;
    }
    m >>= 1;
    b = b & 1 ? (b >> 1) ^ 0xEDB88320u : b >> 1;
  }
  return p;
}

std::array<uint32_t, 32> makePowerTable() {
  std::array<uint32_t, 32> t{};
  uint32_t p = 1u << 30;  // x^1
  t[0] = p;
  for (size_t n = 1; n < 32; ++n) t[n] = p = multModP(p, p);
  return t;
}
const std::array<uint32_t, 32> kPowers = makePowerTable();

// x^(n * 2^k) modulo the polynomial.
uint32_t xPow2n(uint64_t n, unsigned k) {
  uint32_t p = 1u << 31;  // x^0
  while (n) {
    if (n & 1) p = multModP(kPowers[k & 31], p);
    n >>= 1;
    ++k;
  }
  return p;
}

uint8_t headerCheck(const uint8_t* h) {
  unsigned sum = 0;
  for (size_t i = 0; i < kHeaderSize - 1; ++i) sum += h[i];
  return uint8_t(0x100 - (sum & 0xFF));
}

struct Name {
  Cmd cmd;
  const char* name;
};
constexpr Name kNames[] = {
    {Cmd::Heart, "Heart"},
    {Cmd::GetSize, "GetSize"},
    {Cmd::SetSize, "SetSize"},
    {Cmd::GetProgramCount, "GetProgramCount"},
    {Cmd::GetModel, "GetModel"},
    {Cmd::Format, "Format"},
    {Cmd::Reboot, "Reboot"},
    {Cmd::GetFeatures, "GetFeatures"},
    {Cmd::GetSerial, "GetSerial"},
    {Cmd::SetSerial, "SetSerial"},
    {Cmd::Get485, "Get485"},
    {Cmd::Set485, "Set485"},
    {Cmd::GetNet, "GetNet"},
    {Cmd::SetNet, "SetNet"},
    {Cmd::GetScan, "GetScan"},
    {Cmd::SetScan, "SetScan"},
    {Cmd::GetBrightness, "GetBrightness"},
    {Cmd::SetBrightness, "SetBrightness"},
    {Cmd::GetDayNight, "GetDayNight"},
    {Cmd::SetDayNight, "SetDayNight"},
    {Cmd::GetOnOff, "GetOnOff"},
    {Cmd::SetOnOff, "SetOnOff"},
    {Cmd::GetTime, "GetTime"},
    {Cmd::SetTime, "SetTime"},
    {Cmd::GetVersion, "GetVersion"},
    {Cmd::GetIo, "GetIo"},
    {Cmd::SetIo, "SetIo"},
    {Cmd::UploadBegin, "UploadBegin"},
    {Cmd::UploadChunk, "UploadChunk"},
    {Cmd::UploadEnd, "UploadEnd"},
    {Cmd::FetchBegin, "FetchBegin"},
    {Cmd::FetchChunk, "FetchChunk"},
    {Cmd::Discover, "Discover"},
};
}  // namespace

uint32_t crc32(std::span<const uint8_t> data, uint32_t crc) {
  crc = ~crc;
  for (uint8_t b : data) crc = kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t crc32Combine(uint32_t crcA, uint32_t crcB, uint64_t lengthB) {
  return multModP(xPow2n(lengthB, 3), crcA) ^ crcB;
}

void encodeFrame(std::vector<uint8_t>& out, uint8_t command, uint16_t seq, uint8_t status,
                 std::span<const uint8_t> payload) {
  size_t start = out.size();
  size_t n = payload.size();
  out.resize(start + kHeaderSize + n + kTrailerSize);
  uint8_t* h = out.data() + start;
  h[0] = kMagic0;
  h[1] = kMagic1;
  h[2] = kVersion;
  h[3] = command;
  h[4] = uint8_t(seq);
  h[5] = uint8_t(seq >> 8);
  h[6] = uint8_t(n);
  h[7] = uint8_t(n >> 8);
  h[8] = status;
  h[9] = headerCheck(h);
  if (n) std::memcpy(h + kHeaderSize, payload.data(), n);
  uint32_t c = crc32(std::span<const uint8_t>(h + 2, kHeaderSize - 2 + n));
  for (int i = 0; i < 4; ++i) h[kHeaderSize + n + i] = uint8_t(c >> (8 * i));
}

std::vector<uint8_t> encodeFrame(const Frame& f) {
  std::vector<uint8_t> out;
  encodeFrame(out, f.command, f.seq, f.status, f.payload);
  return out;
}

void FrameDecoder::reset() {
  dropped_ += buf_.size();
  buf_.clear();
  prefix_.clear();
  pos_ = 0;
  corruptEnd_ = 0;
}

void FrameDecoder::compact() {
  if (pos_ > 0 && (pos_ >= buf_.size() / 2 || buf_.size() > kMaxFrame)) {
    buf_.erase(buf_.begin(), buf_.begin() + ptrdiff_t(pos_));
    // The running CRCs stay valid: a range's CRC only needs the values at its two ends.
    prefix_.erase(prefix_.begin(), prefix_.begin() + ptrdiff_t(pos_));
    dropped_ += pos_;
    pos_ = 0;
  }
}

void FrameDecoder::feed(std::span<const uint8_t> bytes) {
  // Never hold more than what one frame plus the new bytes need: next() is expected to be
  // drained after each feed, which keeps the buffer below two frames.
  compact();
  if (prefix_.empty()) prefix_.push_back(0);
  buf_.insert(buf_.end(), bytes.begin(), bytes.end());
  uint32_t c = prefix_.back();
  for (uint8_t b : bytes) {
    c = ~c;
    c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    c = ~c;
    prefix_.push_back(c);
  }
}

std::optional<Frame> FrameDecoder::pending() const {
  if (buf_.size() - pos_ < kHeaderSize) return std::nullopt;
  const uint8_t* h = buf_.data() + pos_;
  if (h[0] != kMagic0 || h[1] != kMagic1 || h[2] != kVersion || headerCheck(h) != h[9] ||
      (size_t(h[6]) | size_t(h[7]) << 8) > kMaxPayload)
    return std::nullopt;
  Frame f;
  f.command = h[3];
  f.seq = uint16_t(h[4] | h[5] << 8);
  f.status = h[8];
  return f;
}

std::optional<FrameDecoder::Event> FrameDecoder::next() {
  for (;;) {
    size_t avail = buf_.size() - pos_;
    if (avail < kHeaderSize) {
      // Keep at most a partial header; anything before a possible magic is garbage.
      while (avail > 0 && buf_[pos_] != kMagic0) {
        ++pos_;
        ++skipped_;
        --avail;
      }
      compact();
      return std::nullopt;
    }
    const uint8_t* h = buf_.data() + pos_;
    size_t n = size_t(h[6]) | size_t(h[7]) << 8;
    if (h[0] != kMagic0 || h[1] != kMagic1 || h[2] != kVersion || headerCheck(h) != h[9] ||
        n > kMaxPayload) {
      ++pos_;
      ++skipped_;
      continue;
    }
    if (avail < kHeaderSize + n + kTrailerSize) {
      compact();
      return std::nullopt;
    }
    const uint8_t* t = h + kHeaderSize + n;
    uint32_t want =
        uint32_t(t[0]) | uint32_t(t[1]) << 8 | uint32_t(t[2]) << 16 | uint32_t(t[3]) << 24;
    const size_t from = pos_ + 2, to = pos_ + kHeaderSize + n;
    uint32_t got = prefix_[to] ^ multModP(xPow2n(to - from, 3), prefix_[from]);
    Event ev;
    ev.frame.command = h[3];
    ev.frame.seq = uint16_t(h[4] | h[5] << 8);
    ev.frame.status = h[8];
    if (got != want) {
      ev.kind = Kind::Corrupt;
      const uint64_t at = dropped_ + pos_;
      ev.insideCorrupt = at < corruptEnd_;
      corruptEnd_ = std::max(corruptEnd_, at + kHeaderSize + n + kTrailerSize);
      ++pos_;  // resume inside the bad frame: a good one may start there
      ++skipped_;
      return ev;
    }
    ev.kind = Kind::Frame;
    ev.frame.payload.assign(h + kHeaderSize, h + kHeaderSize + n);
    pos_ += kHeaderSize + n + kTrailerSize;
    compact();
    return ev;
  }
}

const char* commandName(uint8_t command) {
  for (const auto& n : kNames)
    if (uint8_t(n.cmd) == command) return n.name;
  return "?";
}

std::optional<uint8_t> commandByName(const std::string& name) {
  for (const auto& n : kNames)
    if (name == n.name) return uint8_t(n.cmd);
  return std::nullopt;
}

}  // namespace nq

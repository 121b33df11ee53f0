#include "Link.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "Compress.h"
#include "PosixIo.h"
#include "ResultCodes.h"

namespace nq {

using namespace std::chrono;

namespace {
constexpr int kConnectTimeoutMs = 3000;
constexpr int kTcpReplyTimeoutMs = 3000;
constexpr int kChecksumRetries = 2;  // a bad checksum is repeated twice before it is reported

// Where a link's sequence numbers start. Every open starts somewhere new, so that a card which
// still remembers its last reply to another process (or to this one before a reopen) never
// takes a new request for a repeat of that one.
uint16_t freshSequence() {
  static std::atomic<uint32_t> opens{0};
  std::random_device rd;
  uint32_t v = rd() ^ uint32_t(::getpid()) * 2654435761u ^ (++opens * 40503u) ^
               uint32_t(steady_clock::now().time_since_epoch().count());
  return uint16_t(v ^ (v >> 16));
}
}  // namespace

LinkCore::~LinkCore() {
  closeLocked();
  if (discFd_ >= 0) ::close(discFd_);
}

void LinkCore::closeLocked() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  dec_.reset();
}

int LinkCore::failLost() {
  closeLocked();
  return LinkLost;
}

int LinkCore::replyTimeoutMs() const {
  if (transport_ == Transport::Tcp) return envMillis("NQ_LINK_TIMEOUT_MS", kTcpReplyTimeoutMs);
  return serialTimeoutMs_;
}

int LinkCore::wireMs(size_t bytes) const {
  if (transport_ == Transport::Tcp || baud_ <= 0) return 0;
  return int(int64_t(bytes) * 10 * 1000 / baud_) + 1;
}

size_t LinkCore::chunkSize() const { return transport_ == Transport::Tcp ? 16384 : 2048; }

int LinkCore::connectTcp(const char* ip, int port) {
  std::lock_guard l(m_);
  closeLocked();
  in_addr addr{};
  if (!ip || port < 1 || port > 65535 || ::inet_pton(AF_INET, ip, &addr) != 1) return OutOfRange;
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return ConnectFailed;
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr = addr;
  sa.sin_port = htons(uint16_t(port));
  int r = ::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
  if (r != 0 && errno == EINPROGRESS) {
    pollfd p{fd, POLLOUT, 0};
    r = ::poll(&p, 1, kConnectTimeoutMs);
    int err = 0;
    socklen_t len = sizeof err;
    if (r == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) == 0 && err == 0)
      r = 0;
    else
      r = -1;
  }
  if (r != 0) {
    ::close(fd);
    return ConnectFailed;
  }
  int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  fd_ = fd;
  seq_ = freshSequence();
  features_ = -1;
  return Ok;
}

int LinkCore::openSerial(const char* port, int baud) {
  std::lock_guard l(m_);
  closeLocked();
  if (!port || !*port || !isListedBaud(baud)) return OutOfRange;
  int fd = ::open(port, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ConnectFailed;
  if (!setSerialRaw(fd, baud)) {
    ::close(fd);
    return ConnectFailed;
  }
  fd_ = fd;
  baud_ = baud;
  seq_ = freshSequence();
  features_ = -1;
  return Ok;
}

int LinkCore::close() {
  std::lock_guard l(m_);
  closeLocked();
  return Ok;
}

int LinkCore::setGprs(int gprs, int timeoutMs) {
  std::lock_guard l(m_);
  gprs_ = gprs;
  serialTimeoutMs_ = timeoutMs > 0 ? std::min(timeoutMs, 60000) : 500;
  return Ok;
}

// Sends one request and waits for its reply. Stale replies (another sequence number) are
// skipped; a reply or request that fails its checksum is repeated at most kChecksumRetries times.
int LinkCore::transact(Cmd cmd, std::span<const uint8_t> payload, Frame& reply,
                       size_t expectReply) {
  if (fd_ < 0) return NotConnected;
  const uint16_t seq = ++seq_;
  std::vector<uint8_t> frame;
  encodeFrame(frame, uint8_t(cmd), seq, 0, payload);
  // Whatever arrived before this request belongs to an earlier one. A peer that never stops
  // talking gets no more than a bounded drain; the rest is skipped by sequence below.
  uint8_t junk[4096];
  for (int i = 0; i < 64 && ::read(fd_, junk, sizeof junk) > 0; ++i) {
  }
  dec_.reset();
  const int timeout = replyTimeoutMs();
  for (int attempt = 0;; ++attempt) {
    if (!writeAll(fd_, frame,
                  steady_clock::now() + milliseconds(timeout + 2 * wireMs(frame.size()))))
      return failLost();
    // write() returns once the kernel holds the bytes; on a serial line the request still has
    // to cross the wire before the card can start to answer. A timeout means the card was
    // silent for the whole timeout: its reply must begin within the timeout after the request
    // has left the line, and then each read that brings more of a reply frame moves the
    // deadline to the timeout after that read. A byte's own wire time is not silence, nor is
    // the header's before the frame is known to be a reply. Bytes that are not a reply frame
    // (garbage) never move the deadline, and nothing moves it past the time a reply of the
    // expected size could take at half the line's speed. Over TCP, with no wire times, that
    // limit is the timeout itself.
    const auto sent = steady_clock::now() + milliseconds(wireMs(frame.size()));
    const auto limit =
        sent + milliseconds(timeout + 2 * wireMs(expectReply + kHeaderSize + kTrailerSize));
    auto deadline = std::min(limit, sent + milliseconds(timeout + wireMs(kHeaderSize)));
    bool gotAny = false;
    bool retry = false;
    while (!retry) {
      // Checked before every read: a peer streaming bytes must not stretch the deadline.
      if (steady_clock::now() >= deadline) return gotAny ? Timeout : NoReply;
      int w = waitReadable(fd_, deadline);
      if (w == 0) return gotAny ? Timeout : NoReply;
      if (w < 0) return failLost();
      uint8_t buf[65536];
      ssize_t n = ::read(fd_, buf, sizeof buf);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      if (n <= 0) return failLost();
      dec_.feed(std::span<const uint8_t>(buf, size_t(n)));
      while (auto ev = dec_.next()) {
        const Frame& f = ev->frame;
        if (!(f.command & kReplyBit) || f.seq != seq)
          continue;  // a late reply to an earlier request
        gotAny = true;
        bool badSum =
            ev->kind == FrameDecoder::Kind::Corrupt ||
            (f.command == (uint8_t(cmd) | kReplyBit) && f.status == uint8_t(Status::BadChecksum));
        if (badSum) {
          if (attempt >= kChecksumRetries) return ChecksumError;
          retry = true;
          break;
        }
        if (f.command != (uint8_t(cmd) | kReplyBit)) return WrongReply;
        if (f.status != 0) return Refused + f.status;
        reply = std::move(ev->frame);
        return Ok;
      }
      // Part of a frame is waiting for the rest: the reply has begun.
      if (dec_.buffered() > 0) gotAny = true;
      // The bytes just read belong to a reply frame still arriving: the card is talking.
      if (auto p = dec_.pending(); p && (p->command & kReplyBit))
        deadline = std::min(
            limit, std::max(deadline, steady_clock::now() + milliseconds(timeout + wireMs(1))));
    }
    dec_.reset();
  }
}

int LinkCore::heart() {
  std::lock_guard l(m_);
  Frame r;
  return transact(Cmd::Heart, {}, r);
}

int LinkCore::simple(Cmd cmd) {
  std::lock_guard l(m_);
  Frame r;
  int rc = transact(cmd, {}, r);
  // The card restarts: over TCP it closes the link.
  if (rc == Ok && cmd == Cmd::Reboot && transport_ == Transport::Tcp) closeLocked();
  return rc;
}

int LinkCore::getWidthHeight(int* w, int* h) {
  if (!w || !h) {
    std::lock_guard l(m_);
    return fd_ < 0 ? NotConnected : OutOfRange;
  }
  ScreenSizeRecord s{};
  int rc = getRecord(Cmd::GetSize, &s, sizeof s);
  if (rc != Ok) return rc;
  *w = s.width;
  *h = s.height;
  return Ok;
}

int LinkCore::getRecord(Cmd cmd, void* out, size_t size) {
  std::lock_guard l(m_);
  // Nowhere to put the answer: the card is not asked at all.
  if (!out) return fd_ < 0 ? NotConnected : OutOfRange;
  Frame r;
  int rc = transact(cmd, {}, r, size);
  if (rc != Ok) return rc;
  if (r.payload.size() != size) return WrongReply;
  std::memcpy(out, r.payload.data(), size);
  return Ok;
}

int LinkCore::setRecord(Cmd cmd, const void* in, size_t size) {
  std::lock_guard l(m_);
  if (!in) return fd_ < 0 ? NotConnected : OutOfRange;
  Frame r;
  return transact(cmd, std::span<const uint8_t>(static_cast<const uint8_t*>(in), size), r);
}

int LinkCore::setInts(Cmd cmd, std::initializer_list<int32_t> values) {
  Writer w;
  for (int32_t v : values) w.i32(v);
  std::lock_guard l(m_);
  Frame r;
  return transact(cmd, w.b, r);
}

int LinkCore::programNumber() {
  int32_t v = 0;
  int rc = getRecord(Cmd::GetProgramCount, &v, 4);
  return rc == Ok ? v : -rc;
}

int LinkCore::type() {
  int32_t v = 0;
  int rc = getRecord(Cmd::GetModel, &v, 4);
  return rc == Ok ? v : -rc;
}

int LinkCore::getScan(int* flags) {
  if (!flags) {
    std::lock_guard l(m_);
    return -(fd_ < 0 ? NotConnected : OutOfRange);
  }
  int32_t v[2] = {};
  int rc = getRecord(Cmd::GetScan, v, sizeof v);
  if (rc != Ok) return -rc;
  *flags = v[1];
  return v[0];
}

int LinkCore::getBrightness() {
  int32_t v = 0;
  int rc = getRecord(Cmd::GetBrightness, &v, 4);
  return rc == Ok ? v : -rc;
}

int LinkCore::getDayNight(DayNightRecord* out) {
  return getRecord(Cmd::GetDayNight, out, sizeof *out);
}

const char* LinkCore::getText(Cmd cmd) {
  // One buffer per thread: the text stays valid until this thread's next text read, whatever
  // other threads read meanwhile.
  thread_local std::string text;
  std::lock_guard l(m_);
  Frame r;
  int rc = transact(cmd, {}, r);
  if (rc != Ok) {
    text = linkStatusText(rc);
  } else {
    // The text ends at its first NUL, and is kept short whatever the card sends.
    text.assign(r.payload.begin(), r.payload.end());
    text = text.substr(0, std::min(text.find('\0'), size_t(255)));
  }
  return text.c_str();
}

int LinkCore::modProgramIo(int line, const ProgramIoTable* table) {
  std::lock_guard l(m_);
  if (fd_ < 0) return NotConnected;
  if (!table || line < -1 || line > 5) return OutOfRange;
  Writer w;
  w.i32(line).bytes(table, sizeof *table);
  Frame r;
  return transact(Cmd::SetIo, w.b, r);
}

int LinkCore::progress(int* done, int* total) const {
  if (!done || !total) return OutOfRange;
  const uint64_t p = progress_.load(std::memory_order_relaxed);
  *done = int(uint32_t(p));
  *total = int(p >> 32);
  return Ok;
}

int LinkCore::features(uint32_t& out) {
  if (features_ < 0) {
    Frame r;
    int rc = transact(Cmd::GetFeatures, {}, r);
    if (rc == Refused + int(Status::UnknownCommand)) {
      features_ = 0;
    } else if (rc != Ok) {
      return rc;
    } else {
      Reader rd(r.payload);
      uint32_t f = 0;
      if (r.payload.size() != 4 || !rd.u32(f)) return WrongReply;
      features_ = f;
    }
  }
  out = uint32_t(features_);
  return Ok;
}

size_t LinkCore::rawChunkSize(bool packed) const {
  if (!packed) return chunkSize();
  // A packed chunk never grows by more than its 4-byte length field.
  return std::min(4 * chunkSize(), kMaxPayload - 8);
}

int LinkCore::upload(UploadKind kind, std::span<const uint8_t> data, uint32_t count) {
  setProgress(0, 0);
  uint32_t feat = 0;
  if (int rc = features(feat); rc != Ok) return rc;
  const bool packed = feat & kFeatureLz4;
  setProgress(0, uint32_t(data.size()));
  Frame r;
  Writer begin;
  begin.u8(uint8_t(kind))
      .u8(packed ? kEncodingLz4 : kEncodingRaw)
      .u8(0)
      .u8(0)
      .u32(uint32_t(data.size()))
      .u32(count)
      .u32(crc32(data));
  if (int rc = transact(Cmd::UploadBegin, begin.b, r); rc != Ok) return rc;
  const size_t chunk = chunkSize();
  std::vector<uint8_t> payload;
  for (size_t off = 0, n = 0; off < data.size(); off += n) {
    payload = Writer().u32(uint32_t(off)).b;
    auto rest = data.subspan(off);
    if (packed) {
      n = appendPackedSpan(payload, rest, chunk, rawChunkSize(true));
    } else {
      n = std::min(chunk, rest.size());
      payload.insert(payload.end(), rest.begin(), rest.begin() + ptrdiff_t(n));
    }
    if (int rc = transact(Cmd::UploadChunk, payload, r); rc != Ok) return rc;
    setProgress(uint32_t(off + n), uint32_t(data.size()));
  }
  if (int rc = transact(Cmd::UploadEnd, {}, r); rc != Ok) return rc;
  if (feat & kFeatureVerifiedStore) {
    // The card names the CRC-32 of what its flash now holds: anything else than what was sent
    // means the card does not hold the library.
    Reader rd(r.payload);
    uint32_t stored = 0;
    if (r.payload.size() != 4 || !rd.u32(stored)) return WrongReply;
    if (stored != crc32(data)) return ChecksumError;
  }
  return Ok;
}

int LinkCore::updateBytes(int count, const unsigned char* bytes) {
  std::lock_guard l(m_);
  setProgress(0, 0);
  if (fd_ < 0) return NotConnected;
  if (count < 1 || size_t(count) > (size_t(1) << 20) || !bytes) return OutOfRange;
  return upload(UploadKind::Firmware, std::span<const uint8_t>(bytes, size_t(count)), 0);
}

}  // namespace nq

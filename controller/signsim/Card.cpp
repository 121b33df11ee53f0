#include "Card.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "PosixIo.h"

namespace signsim {

using namespace std::chrono;

Card::Card(CardOptions opts) : opts_(std::move(opts)), store_(opts_.stateDir) {
  std::lock_guard l(store_.mutex());
  auto& c = store_.config();
  // The command line checks each value alone; a height beyond what the stored model drives is
  // seen only here.
  if (opts_.width) c.width = *opts_.width;
  if (opts_.height) c.height = *opts_.height;
  if (opts_.model && validModel(*opts_.model)) c.model = *opts_.model;
  if (opts_.baud && nq::isListedBaud(*opts_.baud)) c.rs232.baud = *opts_.baud;
  if (!validSignSize(c.model, c.width, c.height)) {
    const CardConfig defaults;
    std::fprintf(stderr,
                 "signsim: a %d x %d sign is out of range for model %d; the card is %d x %d\n",
                 c.width, c.height, c.model, defaults.width, defaults.height);
    c.width = defaults.width;
    c.height = defaults.height;
  }
  store_.saveConfig();
}

Card::~Card() { stop(); }

SessionContext Card::context() {
  return {&store_, &faults_, [this] { return liveNet(); }, opts_.features};
}

std::unique_ptr<Session> Card::newSession() { return std::make_unique<Session>(context()); }

NetParaRecord Card::liveNet() {
  NetParaRecord n{};
  std::string ip = opts_.bindAddress == "0.0.0.0" ? "127.0.0.1" : opts_.bindAddress;
  std::strncpy(n.ip, ip.c_str(), 15);
  std::strncpy(n.mask, "255.0.0.0", 15);
  std::strncpy(n.gateway, "0.0.0.0", 15);
  n.port = tcpPort_ > 0 ? tcpPort_ : 8000;
  return n;
}

bool Card::start(std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    stop();
    return false;
  };
  if (::pipe2(wake_, O_CLOEXEC) != 0) return fail("pipe");
  in_addr addr{};
  if (::inet_pton(AF_INET, opts_.bindAddress.c_str(), &addr) != 1) {
    errno = EINVAL;
    return fail("bind address " + opts_.bindAddress);
  }
  if (opts_.tcpPort >= 0) {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr = addr;
    sa.sin_port = htons(uint16_t(opts_.tcpPort));
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0)
      return fail("tcp bind");
    if (::listen(listenFd_, 8) != 0) return fail("listen");
    socklen_t len = sizeof sa;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&sa), &len);
    tcpPort_ = ntohs(sa.sin_port);
    nq::setNonBlocking(listenFd_);
  }
  if (opts_.discoveryPort >= 0) {
    udpFd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr = addr;
    sa.sin_port = htons(uint16_t(opts_.discoveryPort));
    if (::bind(udpFd_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) return fail("udp bind");
    socklen_t len = sizeof sa;
    ::getsockname(udpFd_, reinterpret_cast<sockaddr*>(&sa), &len);
    udpPort_ = ntohs(sa.sin_port);
  }
  if (opts_.pty) {
    ptyMaster_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (ptyMaster_ < 0 || ::grantpt(ptyMaster_) != 0 || ::unlockpt(ptyMaster_) != 0)
      return fail("pty");
    char name[256];
    if (::ptsname_r(ptyMaster_, name, sizeof name) != 0) return fail("ptsname");
    ptyPath_ = name;
    // Holding the slave open keeps the master readable while no client has the port open.
    ptySlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (ptySlave_ < 0) return fail("pty slave");
    int baud;
    {
      std::lock_guard l(store_.mutex());
      baud = store_.config().rs232.baud;
    }
    nq::setSerialRaw(ptySlave_, baud);
    nq::setNonBlocking(ptyMaster_);
    if (!opts_.ptyLink.empty()) {
      std::string tmp = opts_.ptyLink + ".new" + std::to_string(::getpid());
      ::unlink(tmp.c_str());
      if (::symlink(name, tmp.c_str()) != 0 || ::rename(tmp.c_str(), opts_.ptyLink.c_str()) != 0)
        return fail("pty link " + opts_.ptyLink);
    }
  }
  if (listenFd_ >= 0) acceptThread_ = std::thread([this] { acceptLoop(); });
  if (udpFd_ >= 0) udpThread_ = std::thread([this] { udpLoop(); });
  if (ptyMaster_ >= 0) ptyThread_ = std::thread([this] { ptyLoop(); });
  return true;
}

void Card::stop() {
  stopping_ = true;
  {
    std::lock_guard l(sleepM_);
    sleepCv_.notify_all();
  }
  if (wake_[1] >= 0) {
    char b = 1;
    [[maybe_unused]] auto n = ::write(wake_[1], &b, 1);
  }
  if (acceptThread_.joinable()) acceptThread_.join();
  if (udpThread_.joinable()) udpThread_.join();
  if (ptyThread_.joinable()) ptyThread_.join();
  {
    std::lock_guard l(linksM_);
    for (auto& t : linkThreads_)
      if (t.thread.joinable()) t.thread.join();
    linkThreads_.clear();
  }
  for (int* fd : {&listenFd_, &udpFd_, &ptyMaster_, &ptySlave_, &wake_[0], &wake_[1]})
    if (*fd >= 0) {
      ::close(*fd);
      *fd = -1;
    }
  if (!opts_.ptyLink.empty() && !ptyPath_.empty()) {
    char target[256];
    ssize_t n = ::readlink(opts_.ptyLink.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, size_t(n)) == ptyPath_) ::unlink(opts_.ptyLink.c_str());
  }
}

bool Card::sleepUntil(steady_clock::time_point t) {
  std::unique_lock l(sleepM_);
  sleepCv_.wait_until(l, t, [this] { return stopping_.load(); });
  return !stopping_;
}

bool Card::sleepFor(int ms) { return sleepUntil(steady_clock::now() + milliseconds(ms)); }

void Card::acceptLoop() {
  while (!stopping_) {
    pollfd p[2] = {{listenFd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(p, 2, 1000) <= 0) continue;
    if (p[1].revents) break;
    int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    if (links_ >= kMaxLinks) {
      ::close(fd);
      continue;
    }
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    nq::setNonBlocking(fd);
    std::lock_guard l(linksM_);
    // Reap finished link threads so the list stays bounded.
    for (auto it = linkThreads_.begin(); it != linkThreads_.end();) {
      if (*it->done) {
        it->thread.join();
        it = linkThreads_.erase(it);
      } else {
        ++it;
      }
    }
    ++links_;
    auto done = std::make_shared<std::atomic<bool>>(false);
    linkThreads_.push_back({std::thread([this, fd, done] {
                              linkLoop(fd);
                              --links_;
                              *done = true;
                            }),
                            done});
  }
}

bool Card::perform(int fd, const ReplyAction& a, int paceBaud) {
  if (a.delayMs > 0 && !sleepFor(a.delayMs)) return false;
  if (a.bytes.empty()) return true;
  auto send = [&](std::span<const uint8_t> d) {
    wireOut_ += d.size();
    if (paceBaud <= 0) return nq::writeAll(fd, d, steady_clock::now() + seconds(10));
    // One byte is ten bit times on an 8N1 line. Each piece is written once its last byte has
    // crossed the line, never before: the reader sees no byte earlier than a real line would
    // deliver it. The pieces hold about 10 ms of the line (one byte at 1200 baud, 115 at
    // 115200), so none arrives much later than it would either.
    const size_t piece = std::max<size_t>(1, size_t(paceBaud) / 1000);
    auto t0 = steady_clock::now();
    size_t done = 0;
    while (done < d.size()) {
      size_t n = std::min(piece, d.size() - done);
      if (!sleepUntil(t0 + microseconds(int64_t(done + n) * 10'000'000 / paceBaud))) return false;
      if (!nq::writeAll(fd, d.subspan(done, n), steady_clock::now() + seconds(10))) return false;
      done += n;
    }
    return true;
  };
  std::span<const uint8_t> all(a.bytes);
  if (a.dropAfter != SIZE_MAX) {
    send(all.first(std::min(a.dropAfter, all.size())));
    return false;
  }
  if (a.stallMs > 0) {
    size_t half = all.size() / 2;
    if (!send(all.first(half)) || !sleepFor(a.stallMs)) return false;
    return send(all.subspan(half));
  }
  return send(all);
}

void Card::linkLoop(int fd) {
  Session s(context());
  std::vector<uint8_t> buf(65536);
  while (!stopping_) {
    int w = nq::waitReadable(fd, steady_clock::now() + seconds(1), wake_[0]);
    if (w < 0) break;
    if (w == 0) continue;
    ssize_t n = ::read(fd, buf.data(), buf.size());
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (n <= 0) break;
    wireIn_ += uint64_t(n);
    bool keep = true;
    for (const auto& a : s.onBytes(std::span<const uint8_t>(buf.data(), size_t(n)))) {
      if (!perform(fd, a, 0) || a.closeAfter) {
        keep = false;
        break;
      }
    }
    if (!keep) break;
  }
  ::close(fd);
}

void Card::ptyLoop() {
  Session s(context());
  std::vector<uint8_t> buf(256);
  auto lineFree = steady_clock::now();
  while (!stopping_) {
    int w = nq::waitReadable(ptyMaster_, steady_clock::now() + seconds(1), wake_[0]);
    if (w < 0) {
      if (stopping_) break;
      sleepFor(10);
      continue;
    }
    if (w == 0) continue;
    ssize_t n = ::read(ptyMaster_, buf.data(), buf.size());
    if (n <= 0) {
      if (n < 0 && errno != EAGAIN && errno != EINTR) sleepFor(10);
      continue;
    }
    int baud;
    {
      std::lock_guard l(store_.mutex());
      baud = store_.config().rs232.baud;
    }
    wireIn_ += uint64_t(n);
    // Bytes sent at another speed arrive as garbage on a real line: the card ignores them.
    if (nq::serialSpeed(ptyMaster_) != baud) {
      s.reset();
      continue;
    }
    if (opts_.pace) {
      // The bytes cannot have arrived faster than the line carries them.
      auto now = steady_clock::now();
      if (lineFree < now) lineFree = now;
      lineFree += microseconds(int64_t(n) * 10'000'000 / baud);
      if (!sleepUntil(lineFree)) break;
    }
    for (const auto& a : s.onBytes(std::span<const uint8_t>(buf.data(), size_t(n)))) {
      if (!perform(ptyMaster_, a, opts_.pace ? baud : 0)) {
        // A serial line cannot be closed by the card: a drop goes silent and forgets the link.
        s.reset();
        break;
      }
      if (a.closeAfter) s.reset();
    }
    lineFree = std::max(lineFree, steady_clock::now());
  }
}

void Card::udpLoop() {
  Session s(context());
  std::vector<uint8_t> buf(2048);
  while (!stopping_) {
    int w = nq::waitReadable(udpFd_, steady_clock::now() + seconds(1), wake_[0]);
    if (w < 0) break;
    if (w == 0) continue;
    sockaddr_in from{};
    socklen_t len = sizeof from;
    ssize_t n = ::recvfrom(udpFd_, buf.data(), buf.size(), MSG_DONTWAIT,
                           reinterpret_cast<sockaddr*>(&from), &len);
    if (n <= 0) continue;
    nq::FrameDecoder dec;
    dec.feed(std::span<const uint8_t>(buf.data(), size_t(n)));
    auto ev = dec.next();
    if (!ev || ev->kind != nq::FrameDecoder::Kind::Frame ||
        ev->frame.command != uint8_t(nq::Cmd::Discover) || !ev->frame.payload.empty())
      continue;
    NetParaRecord net;
    {
      std::lock_guard l(store_.mutex());
      net = store_.config().net ? *store_.config().net : liveNet();
    }
    std::vector<uint8_t> payload(sizeof net);
    std::memcpy(payload.data(), &net, sizeof net);
    std::vector<uint8_t> out;
    nq::encodeFrame(out, uint8_t(nq::Cmd::Discover) | nq::kReplyBit, ev->frame.seq, 0, payload);
    ::sendto(udpFd_, out.data(), out.size(), 0, reinterpret_cast<sockaddr*>(&from), len);
  }
}

}  // namespace signsim

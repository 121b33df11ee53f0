// Adapters, discovery datagrams and the baud-rate query.
#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <set>

#include "Link.h"
#include "PosixIo.h"
#include "ResultCodes.h"

namespace nq {

using namespace std::chrono;

namespace {

constexpr int kDefaultDiscoveryPort = 8001;
constexpr int kMaxAdapters = 16;

struct Adapter {
  std::string address;
  std::string name;
  in_addr target{};  // where a discovery datagram goes
  bool broadcast = false;
};

std::vector<Adapter> adapters() {
  std::vector<Adapter> out;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return out;
  for (ifaddrs* a = list; a && out.size() < kMaxAdapters; a = a->ifa_next) {
    if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !(a->ifa_flags & IFF_UP)) continue;
    Adapter ad;
    in_addr addr = reinterpret_cast<sockaddr_in*>(a->ifa_addr)->sin_addr;
    char text[INET_ADDRSTRLEN];
    ::inet_ntop(AF_INET, &addr, text, sizeof text);
    ad.address = text;
    ad.name = a->ifa_name ? a->ifa_name : "";
    if (a->ifa_flags & IFF_LOOPBACK) {
      ad.target = addr;  // loopback has no broadcast: ask the address itself
    } else if ((a->ifa_flags & IFF_BROADCAST) && a->ifa_broadaddr) {
      ad.target = reinterpret_cast<sockaddr_in*>(a->ifa_broadaddr)->sin_addr;
      ad.broadcast = true;
    } else {
      ad.target = addr;
    }
    out.push_back(ad);
  }
  ::freeifaddrs(list);
  return out;
}

}  // namespace

int LinkCore::getNetCard(NetCardEntry* table) {
  if (!table) return -OutOfRange;
  auto list = adapters();
  for (size_t i = 0; i < list.size(); ++i) {
    NetCardEntry& e = table[i];
    std::memset(&e, 0, sizeof e);
    std::strncpy(e.address, list[i].address.c_str(), sizeof e.address - 1);
    std::strncpy(e.description, list[i].name.c_str(), sizeof e.description - 1);
  }
  return int(list.size());
}

int LinkCore::sendArpPacket(int adapter) {
  std::lock_guard l(m_);
  auto list = adapters();
  if (adapter < 1 || size_t(adapter) > list.size()) return OutOfRange;
  const Adapter& ad = list[size_t(adapter) - 1];
  if (discFd_ < 0) {
    discFd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (discFd_ < 0) return ConnectFailed;
  }
  if (ad.broadcast) {
    int one = 1;
    ::setsockopt(discFd_, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
  }
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr = ad.target;
  sa.sin_port = htons(uint16_t(envMillis("NQ_DISCOVERY_PORT", kDefaultDiscoveryPort)));
  std::vector<uint8_t> frame;
  encodeFrame(frame, uint8_t(Cmd::Discover), ++seq_, 0, {});
  if (::sendto(discFd_, frame.data(), frame.size(), 0, reinterpret_cast<sockaddr*>(&sa),
               sizeof sa) < 0)
    return LinkLost;
  return Ok;
}

int LinkCore::getNetIp(NetIpEntry* table) {
  std::lock_guard l(m_);
  // A count: the failure is negated, as it is for getNetCard.
  if (!table) return -OutOfRange;
  std::memset(table, 0, sizeof(NetIpEntry) * 1024);
  if (discFd_ < 0) return 0;
  // Answers are collected for a bounded window; the last entry always stays empty.
  const auto deadline =
      steady_clock::now() + milliseconds(envMillis("NQ_DISCOVERY_WINDOW_MS", 1000));
  std::set<std::pair<std::string, int>> seen;
  int count = 0;
  while (count < 1023 && waitReadable(discFd_, deadline) == 1) {
    uint8_t buf[2048];
    ssize_t n = ::recv(discFd_, buf, sizeof buf, 0);
    if (n <= 0) continue;
    FrameDecoder dec;
    dec.feed(std::span<const uint8_t>(buf, size_t(n)));
    auto ev = dec.next();
    if (!ev || ev->kind != FrameDecoder::Kind::Frame || ev->frame.status != 0 ||
        ev->frame.command != (uint8_t(Cmd::Discover) | kReplyBit) ||
        ev->frame.payload.size() != sizeof(NetIpEntry))
      continue;
    NetIpEntry e;
    std::memcpy(&e, ev->frame.payload.data(), sizeof e);
    e.ip[15] = e.mask[15] = e.gateway[15] = 0;
    if (!e.ip[0] || !seen.insert({e.ip, e.port}).second) continue;
    table[count++] = e;
  }
  ::close(discFd_);
  discFd_ = -1;
  return count;
}

int LinkCore::getBaud(const char* port) {
  std::lock_guard l(m_);
  if (!port || !*port) return -1;
  int fd = ::open(port, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  int found = -1;
  for (int baud : kBaudRates) {
    // A silent port costs the timeout at each rate: a connect or a close asked for meanwhile
    // runs between two rates, on the link's own line speed.
    if (m_.contended()) {
      restoreLineSpeed();
      m_.handOver();
    }
    const int timeout = serialTimeoutMs_;
    if (!setSerialRaw(fd, baud)) break;
    std::vector<uint8_t> frame;
    const uint16_t seq = ++seq_;
    encodeFrame(frame, uint8_t(Cmd::Heart), seq, 0, {});
    const int wire = int(int64_t(frame.size()) * 2 * 10 * 1000 / baud) + 1;
    if (!writeAll(fd, frame, steady_clock::now() + milliseconds(timeout + wire))) continue;
    FrameDecoder dec;
    const auto deadline = steady_clock::now() + milliseconds(timeout + wire);
    while (found < 0 && waitReadable(fd, deadline) == 1) {
      uint8_t buf[1024];
      ssize_t n = ::read(fd, buf, sizeof buf);
      if (n <= 0) continue;
      dec.feed(std::span<const uint8_t>(buf, size_t(n)));
      while (auto ev = dec.next())
        if (ev->kind == FrameDecoder::Kind::Frame && ev->frame.seq == seq &&
            ev->frame.command == (uint8_t(Cmd::Heart) | kReplyBit))
          found = baud;
    }
    if (found > 0) break;
  }
  ::close(fd);
  restoreLineSpeed();
  return found;
}

// The query shares the line settings of the port.
void LinkCore::restoreLineSpeed() {
  if (fd_ >= 0 && transport_ == Transport::Serial) setSerialRaw(fd_, baud_);
}

}  // namespace nq

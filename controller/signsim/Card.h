#pragma once
// The virtual controller card: one CardStore, a TCP listener (one thread per link, at most
// kMaxLinks), a pseudo-terminal paced at the card's RS232 baud, and a UDP discovery responder.

#include <atomic>
#include <condition_variable>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "CardStore.h"
#include "Session.h"

namespace signsim {

struct CardOptions {
  std::string stateDir;  // empty: memory only
  std::string bindAddress = "127.0.0.1";
  int tcpPort = 0;  // 0 picks a free port, -1 no TCP
  bool pty = true;
  std::string ptyLink;                   // stable symlink to the pty slave
  int discoveryPort = -1;                // -1 no discovery, 0 picks a free port
  bool pace = true;                      // pace the pty at the line rate
  uint32_t features = nq::kAllFeatures;  // 0: a first-version card (raw planes, no CRC ack)
  // Override what the state directory holds when set.
  std::optional<int> width, height, model, baud;
};

class Card {
 public:
  explicit Card(CardOptions opts);
  ~Card();
  Card(const Card&) = delete;
  Card& operator=(const Card&) = delete;

  bool start(std::string* error);
  void stop();

  int tcpPort() const { return tcpPort_; }
  int discoveryPort() const { return udpPort_; }
  const std::string& ptyPath() const { return ptyPath_; }

  FaultTable& faults() { return faults_; }
  CardStore& store() { return store_; }
  // A protocol engine bound to this card, for in-process tests.
  std::unique_ptr<Session> newSession();
  int liveLinks() const { return links_.load(); }
  // Bytes read from and written to all links so far (for the benchmarks' wire overhead).
  uint64_t wireBytes() const { return wireIn_.load() + wireOut_.load(); }

  static constexpr int kMaxLinks = 8;

 private:
  void acceptLoop();
  void linkLoop(int fd);
  void ptyLoop();
  void udpLoop();
  bool sleepFor(int ms);
  bool sleepUntil(std::chrono::steady_clock::time_point t);
  // Sends one reply action; false when the link should close.
  bool perform(int fd, const ReplyAction& a, int paceBaud);
  SessionContext context();
  NetParaRecord liveNet();

  CardOptions opts_;
  CardStore store_;
  FaultTable faults_;
  std::atomic<bool> stopping_{false};
  std::mutex sleepM_;
  std::condition_variable sleepCv_;
  int wake_[2] = {-1, -1};
  int listenFd_ = -1, udpFd_ = -1, ptyMaster_ = -1, ptySlave_ = -1;
  int tcpPort_ = -1, udpPort_ = -1;
  std::string ptyPath_;
  std::thread acceptThread_, ptyThread_, udpThread_;
  std::mutex linksM_;
  struct LinkThread {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  std::list<LinkThread> linkThreads_;
  std::atomic<int> links_{0};
  std::atomic<uint64_t> wireIn_{0}, wireOut_{0};
};

}  // namespace signsim

#pragma once
// One link to a controller card over a TCP socket or a serial line, and every operation the
// libraries export, on top of the wire protocol. A LinkCore serialises its calls with a LinkMutex.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "Protocol.h"
#include "Records.h"

namespace nq {

// The lock of a link. A plain mutex lets the thread that unlocks it take it back at once, ahead
// of the calls waiting for it; a long holder (the baud query) hands it over between its steps
// instead, so that a connect or a close waits for one step, not for all of them.
class LinkMutex {
 public:
  void lock() {
    waiting_.fetch_add(1);
    m_.lock();
    waiting_.fetch_sub(1);
  }
  void unlock() { m_.unlock(); }
  bool contended() const { return waiting_.load() > 0; }
  // Called by the holder: every call waiting now takes the lock first, then the holder again.
  void handOver() {
    m_.unlock();
    while (contended()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    m_.lock();
  }

 private:
  std::mutex m_;
  std::atomic<int> waiting_{0};
};

class LinkCore {
 public:
  enum class Transport { Serial, Tcp };
  explicit LinkCore(Transport t) : transport_(t) {}
  ~LinkCore();

  // Link management.
  int connectTcp(const char* ip, int port);
  int openSerial(const char* port, int baud);
  int close();
  int setGprs(int gprs, int timeoutMs);

  // Operations.
  int heart();
  int getWidthHeight(int* w, int* h);
  int programNumber();
  int type();
  int simple(Cmd cmd);  // Format, Reboot
  int modProgram(const ProgramSendRecord* rec);
  int getProgram(int count);
  int updateBytes(int count, const unsigned char* bytes);
  int updateFile(const char* path);
  int getBaud(const char* port);
  int getRecord(Cmd cmd, void* out, size_t size);
  int setRecord(Cmd cmd, const void* in, size_t size);
  int setInts(Cmd cmd, std::initializer_list<int32_t> values);
  int getScan(int* flags);
  int getBrightness();
  int getDayNight(DayNightRecord* out);
  const char* getText(Cmd cmd);
  int modProgramIo(int line, const ProgramIoTable* table);

  // The bulk transfer (send, fetch, firmware) of this link: bytes done and to do. Lock-free,
  // callable from any thread while the transfer blocks its own.
  int progress(int* done, int* total) const;

  // Discovery (network library).
  int getNetCard(NetCardEntry* table);
  int sendArpPacket(int adapter);
  int getNetIp(NetIpEntry* table);

 private:
  int transact(Cmd cmd, std::span<const uint8_t> payload, Frame& reply, size_t expectReply = 64);
  int upload(UploadKind kind, std::span<const uint8_t> data, uint32_t count);
  // Asks the card once per open what it offers (GetFeatures); a first-version card offers none.
  int features(uint32_t& out);
  // Raw bytes per chunk: more when chunks are packed, as most of them shrink.
  size_t rawChunkSize(bool packed) const;
  int replyTimeoutMs() const;
  int wireMs(size_t bytes) const;
  size_t chunkSize() const;
  void closeLocked();
  int failLost();
  void setProgress(uint32_t done, uint32_t total) {
    progress_.store(uint64_t(total) << 32 | done, std::memory_order_relaxed);
  }

  // Gives the open serial link its own line speed back after the baud query changed the port's.
  void restoreLineSpeed();

  Transport transport_;
  LinkMutex m_;
  int fd_ = -1;
  int baud_ = 0;
  int serialTimeoutMs_ = 500;
  int gprs_ = 0;
  uint16_t seq_ = 0;
  int64_t features_ = -1;  // unknown until asked after this open
  FrameDecoder dec_;
  int discFd_ = -1;
  std::atomic<uint64_t> progress_{0};  // total << 32 | done, read as one value
};

// Where a fetch puts the library: $LEDSIGN_HOME, else the executable's directory.
std::string homeDirectory();

}  // namespace nq

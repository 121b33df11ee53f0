#pragma once
// The card's protocol engine for one link: bytes in, reply actions out. It validates every
// frame, keeps one upload or fetch in progress per link, and repeats its last reply for a
// repeated request (same command, sequence and payload) without acting twice.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "CardStore.h"
#include "Protocol.h"

namespace signsim {

enum class FaultKind {
  None,
  NoReply,
  WrongCode,
  BadChecksum,
  Delay,
  Refuse,
  Drop,
  Stall,
  CorruptStore,  // the card flips one byte of what an upload stores (flash failing silently)
};

struct Fault {
  FaultKind kind = FaultKind::None;
  int value = 0;   // Delay/Stall: ms; Refuse: status code; Drop: bytes of the reply sent first
  int skip = 0;    // matching requests let through before the fault applies
  int times = -1;  // how often it applies; -1 for ever
};

// Parses "Kind[:value][@skip][xtimes]", e.g. "noreply", "delay:500", "refuse:5", "drop:3@2x1".
std::optional<Fault> parseFault(const std::string& text);

// Faults shared by all links of a card, per command or for all commands.
class FaultTable {
 public:
  void set(int command, const Fault& f);  // command -1: all commands
  void clear();
  Fault take(uint8_t command);  // the fault for this request, consuming skip/times

 private:
  std::mutex m_;
  std::vector<std::pair<int, Fault>> faults_;
};

struct ReplyAction {
  std::vector<uint8_t> bytes;   // empty with NoReply
  int delayMs = 0;              // before sending
  int stallMs = 0;              // after the first half
  size_t dropAfter = SIZE_MAX;  // close the link after this many bytes
  bool closeAfter = false;      // reboot
};

struct SessionContext {
  CardStore* store = nullptr;
  FaultTable* faults = nullptr;
  std::function<NetParaRecord()> liveNet;  // net parameters when none are stored
  uint32_t features = nq::kAllFeatures;    // an older card offers fewer
};

class Session {
 public:
  explicit Session(SessionContext ctx) : ctx_(std::move(ctx)) {}
  std::vector<ReplyAction> onBytes(std::span<const uint8_t> bytes);
  void reset();  // link restarted: forget decoder, transfers and the reply cache
  size_t memoryInUse() const;

  // The card's answer to one valid request, without faults (also used for UDP discovery).
  nq::Frame answer(const nq::Frame& req, bool* closeAfter);

 private:
  nq::Frame reply(const nq::Frame& req, nq::Status st, std::vector<uint8_t> payload = {});
  nq::Status upload(const nq::Frame& req, uint8_t cmd, std::vector<uint8_t>& replyPayload);
  SessionContext ctx_;
  nq::FrameDecoder dec_;
  // Upload in progress.
  bool upActive_ = false;
  uint8_t upKind_ = 0;
  uint32_t upTotal_ = 0, upCount_ = 0, upCrc_ = 0;
  uint8_t upEncoding_ = nq::kEncodingRaw;
  bool corruptStore_ = false;  // the fault for the request being answered
  std::vector<uint8_t> upData_;
  // Fetch snapshot.
  std::vector<uint8_t> fetch_;
  bool fetchActive_ = false;
  uint8_t fetchEncoding_ = nq::kEncodingRaw;
  // Last reply, repeated for a repeated request.
  bool haveLast_ = false;
  uint8_t lastCmd_ = 0;
  uint16_t lastSeq_ = 0;
  uint32_t lastPayloadCrc_ = 0;
  nq::Frame lastReply_;
  bool lastClose_ = false;
};

inline constexpr size_t kMaxFirmware = size_t(1) << 20;

}  // namespace signsim

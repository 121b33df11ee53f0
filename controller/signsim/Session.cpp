#include "Session.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "Compress.h"
#include "PosixIo.h"
#include "Program.h"

namespace signsim {

using nq::Cmd;
using nq::Status;

std::optional<Fault> parseFault(const std::string& text) {
  Fault f;
  std::string s = text;
  auto cut = [&](char c, int& into) {
    size_t p = s.find(c);
    if (p == std::string::npos) return true;
    char* end = nullptr;
    long v = std::strtol(s.c_str() + p + 1, &end, 10);
    if (end == s.c_str() + p + 1) return false;
    into = int(v);
    s.erase(p, size_t(end - s.c_str()) - p);
    return true;
  };
  if (!cut('x', f.times) || !cut('@', f.skip) || !cut(':', f.value)) return std::nullopt;
  static const std::pair<const char*, FaultKind> kinds[] = {
      {"none", FaultKind::None},
      {"noreply", FaultKind::NoReply},
      {"wrongcode", FaultKind::WrongCode},
      {"badsum", FaultKind::BadChecksum},
      {"delay", FaultKind::Delay},
      {"refuse", FaultKind::Refuse},
      {"drop", FaultKind::Drop},
      {"stall", FaultKind::Stall},
      {"corruptstore", FaultKind::CorruptStore}};
  for (const auto& [name, kind] : kinds)
    if (s == name) {
      f.kind = kind;
      if (kind == FaultKind::Refuse && (f.value < 1 || f.value > 255))
        f.value = int(Status::OutOfRange);
      return f;
    }
  return std::nullopt;
}

void FaultTable::set(int command, const Fault& f) {
  std::lock_guard l(m_);
  for (auto& [c, old] : faults_)
    if (c == command) {
      old = f;
      return;
    }
  faults_.emplace_back(command, f);
}

void FaultTable::clear() {
  std::lock_guard l(m_);
  faults_.clear();
}

Fault FaultTable::take(uint8_t command) {
  std::lock_guard l(m_);
  for (int pass = 0; pass < 2; ++pass)
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
      if (it->first != (pass == 0 ? int(command) : -1)) continue;
      Fault& f = it->second;
      if (f.skip > 0) {
        --f.skip;
        return {};
      }
      Fault out = f;
      if (f.times > 0 && --f.times == 0) faults_.erase(it);
      return out;
    }
  return {};
}

void Session::reset() {
  dec_.reset();
  upActive_ = false;
  upData_.clear();
  upData_.shrink_to_fit();
  fetch_.clear();
  fetch_.shrink_to_fit();
  fetchActive_ = false;
  haveLast_ = false;
}

size_t Session::memoryInUse() const {
  return dec_.buffered() + upData_.capacity() + fetch_.capacity();
}

nq::Frame Session::reply(const nq::Frame& req, Status st, std::vector<uint8_t> payload) {
  nq::Frame f;
  f.command = uint8_t(req.command | nq::kReplyBit);
  f.seq = req.seq;
  f.status = uint8_t(st);
  if (st == Status::Ok) f.payload = std::move(payload);
  return f;
}

std::vector<ReplyAction> Session::onBytes(std::span<const uint8_t> bytes) {
  std::vector<ReplyAction> out;
  // Feed in slices so that the decoder never holds much more than one frame.
  size_t at = 0;
  while (at < bytes.size()) {
    size_t n = std::min(bytes.size() - at, nq::kMaxFrame);
    dec_.feed(bytes.subspan(at, n));
    at += n;
    while (auto ev = dec_.next()) {
      const nq::Frame& req = ev->frame;
      if (req.command & nq::kReplyBit) continue;  // a reply is never a request
      if (ev->kind == nq::FrameDecoder::Kind::Corrupt) {
        // A header inside the extent of the corrupt frame just answered is the same damage
        // again (or garbage made of overlapping headers): one answer per extent is enough.
        if (ev->insideCorrupt) continue;
        // Ask for a repeat; the header passed its own check, so seq and command are usable.
        ReplyAction a;
        a.bytes = nq::encodeFrame(reply(req, Status::BadChecksum));
        out.push_back(std::move(a));
        continue;
      }
      // A lost request is never acted on and a refused one is refused before it is acted on;
      // the other faults spoil the answer of a request the card did carry out.
      Fault f = ctx_.faults ? ctx_.faults->take(req.command) : Fault{};
      if (f.kind == FaultKind::NoReply) {
        out.push_back({});
        continue;
      }
      ReplyAction a;
      nq::Frame rep;
      if (f.kind == FaultKind::Refuse) {
        rep = reply(req, Status(f.value));
      } else {
        uint32_t pcrc = nq::crc32(req.payload);
        bool close = false;
        if (haveLast_ && req.command == lastCmd_ && req.seq == lastSeq_ &&
            pcrc == lastPayloadCrc_) {
          rep = lastReply_;
          close = lastClose_;
        } else {
          corruptStore_ = f.kind == FaultKind::CorruptStore;
          rep = answer(req, &close);
          corruptStore_ = false;
          haveLast_ = true;
          lastCmd_ = req.command;
          lastSeq_ = req.seq;
          lastPayloadCrc_ = pcrc;
          lastReply_ = rep;
          lastClose_ = close;
        }
        a.closeAfter = close;
      }
      switch (f.kind) {
        case FaultKind::WrongCode:
          rep.command = uint8_t((rep.command ^ 0x7F) | nq::kReplyBit);
          break;
        case FaultKind::Delay:
          a.delayMs = f.value;
          break;
        case FaultKind::Stall:
          a.stallMs = f.value;
          break;
        case FaultKind::Drop:
          a.dropAfter = size_t(std::max(0, f.value));
          break;
        default:
          break;
      }
      a.bytes = nq::encodeFrame(rep);
      if (f.kind == FaultKind::BadChecksum) a.bytes.back() ^= 0x5A;
      out.push_back(std::move(a));
    }
  }
  return out;
}

namespace {
std::vector<uint8_t> raw(const void* p, size_t n) {
  auto c = static_cast<const uint8_t*>(p);
  return std::vector<uint8_t>(c, c + n);
}
std::string clockText(int64_t offset) {
  // Clamped in 64 bits: whatever the state file said, the card shows a time of its range.
  offset = std::clamp<int64_t>(offset, -kMaxClockOffset, kMaxClockOffset);
  time_t t = time_t(std::clamp<int64_t>(int64_t(time(nullptr)) + offset, 0, kMaxClockOffset - 1));
  struct tm tm {};
  localtime_r(&t, &tm);
  char buf[64];
  snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1,
           tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}
}  // namespace

nq::Frame Session::answer(const nq::Frame& req, bool* closeAfter) {
  *closeAfter = false;
  CardStore& st = *ctx_.store;
  const auto& p = req.payload;
  nq::Reader r(p);
  auto need = [&](size_t n) { return p.size() == n; };
  std::lock_guard lock(st.mutex());
  CardConfig& c = st.config();
  auto saved = [&] { return st.saveConfig() ? Status::Ok : Status::StorageFailed; };
  switch (Cmd(req.command)) {
    case Cmd::Heart:
      return reply(req, need(0) ? Status::Ok : Status::BadLength);
    case Cmd::GetSize: {
      if (!need(0)) return reply(req, Status::BadLength);
      ScreenSizeRecord s{c.width, c.height};
      return reply(req, Status::Ok, raw(&s, sizeof s));
    }
    case Cmd::SetSize: {
      ScreenSizeRecord s{};
      if (!need(sizeof s)) return reply(req, Status::BadLength);
      r.i32(s.width);
      r.i32(s.height);
      if (!validSignSize(c.model, s.width, s.height)) return reply(req, Status::OutOfRange);
      c.width = s.width;
      c.height = s.height;
      return reply(req, saved());
    }
    case Cmd::GetProgramCount:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, Status::Ok, nq::Writer().i32(st.programCount()).b);
    case Cmd::GetModel:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, Status::Ok, nq::Writer().i32(c.model).b);
    case Cmd::Format:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, st.format() ? Status::Ok : Status::StorageFailed);
    case Cmd::Reboot:
      if (!need(0)) return reply(req, Status::BadLength);
      *closeAfter = true;
      return reply(req, Status::Ok);
    case Cmd::GetFeatures:
      if (!need(0)) return reply(req, Status::BadLength);
      if (!ctx_.features) return reply(req, Status::UnknownCommand);  // a first-version card
      return reply(req, Status::Ok, nq::Writer().u32(ctx_.features).b);
    case Cmd::GetSerial:
    case Cmd::Get485: {
      if (!need(0)) return reply(req, Status::BadLength);
      const SerialParaRecord& s = req.command == uint8_t(Cmd::GetSerial) ? c.rs232 : c.rs485;
      return reply(req, Status::Ok, raw(&s, sizeof s));
    }
    case Cmd::SetSerial:
    case Cmd::Set485: {
      SerialParaRecord s{};
      if (!need(sizeof s)) return reply(req, Status::BadLength);
      r.i32(s.baud);
      r.i32(s.parity);
      r.i32(s.dataBits);
      r.i32(s.stopBits);
      if (!validSerial(s)) return reply(req, Status::OutOfRange);
      (req.command == uint8_t(Cmd::SetSerial) ? c.rs232 : c.rs485) = s;
      return reply(req, saved());
    }
    case Cmd::GetNet: {
      if (!need(0)) return reply(req, Status::BadLength);
      NetParaRecord n = c.net ? *c.net : (ctx_.liveNet ? ctx_.liveNet() : NetParaRecord{});
      return reply(req, Status::Ok, raw(&n, sizeof n));
    }
    case Cmd::SetNet: {
      NetParaRecord n{};
      if (!need(sizeof n)) return reply(req, Status::BadLength);
      r.bytes(n.ip, 16);
      r.bytes(n.mask, 16);
      r.bytes(n.gateway, 16);
      r.i32(n.port);
      if (!validNet(n)) return reply(req, Status::OutOfRange);
      c.net = n;
      return reply(req, saved());
    }
    case Cmd::GetScan:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, Status::Ok, nq::Writer().i32(c.scanCode).i32(c.scanFlags).b);
    case Cmd::SetScan: {
      int32_t index = 0, row = 0, flags = 0;
      if (!need(12)) return reply(req, Status::BadLength);
      r.i32(index);
      r.i32(row);
      r.i32(flags);
      if (index < 0 || index > 3 || (row != 0 && row != 1) || (flags & ~0x11))
        return reply(req, Status::OutOfRange);
      // The change numbers the first two modes the other way round from the read.
      static constexpr int kGroup[4] = {1, 0, 2, 3};
      c.scanCode = kGroup[index] * 4 + row * 2;
      c.scanFlags = flags;
      return reply(req, saved());
    }
    case Cmd::GetBrightness:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, Status::Ok, nq::Writer().i32(c.brightness).b);
    case Cmd::SetBrightness: {
      int32_t v = 0;
      if (!need(4)) return reply(req, Status::BadLength);
      r.i32(v);
      if (!validLevel(v)) return reply(req, Status::OutOfRange);
      c.brightness = v;
      c.dayNight = false;
      return reply(req, saved());
    }
    case Cmd::GetDayNight:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, Status::Ok, nq::Writer().i32(c.day).i32(c.night).b);
    case Cmd::SetDayNight: {
      int32_t d = 0, n = 0;
      if (!need(8)) return reply(req, Status::BadLength);
      r.i32(d);
      r.i32(n);
      if (!validLevel(d) || !validLevel(n)) return reply(req, Status::OutOfRange);
      c.day = d;
      c.night = n;
      c.dayNight = true;
      return reply(req, saved());
    }
    case Cmd::GetOnOff: {
      if (!need(0)) return reply(req, Status::BadLength);
      char buf[16];
      snprintf(buf, sizeof buf, "%02d:%02d-%02d:%02d", c.onOff[0], c.onOff[1], c.onOff[2],
               c.onOff[3]);
      return reply(req, Status::Ok, raw(buf, strlen(buf)));
    }
    case Cmd::SetOnOff: {
      int32_t v[4] = {};
      if (!need(16)) return reply(req, Status::BadLength);
      for (auto& x : v) r.i32(x);
      if (!validOnOff(v)) return reply(req, Status::OutOfRange);
      for (int i = 0; i < 4; ++i) c.onOff[i] = v[i];
      return reply(req, saved());
    }
    case Cmd::GetTime: {
      if (!need(0)) return reply(req, Status::BadLength);
      std::string t = clockText(c.clockOffset);
      return reply(req, Status::Ok, raw(t.data(), t.size()));
    }
    case Cmd::SetTime: {
      int32_t v[6] = {};
      if (!need(24)) return reply(req, Status::BadLength);
      for (auto& x : v) r.i32(x);
      if (v[0] < 1970 || v[0] > 2099 || v[1] < 1 || v[1] > 12 || v[2] < 1 || v[2] > 31 ||
          v[3] < 0 || v[3] > 23 || v[4] < 0 || v[4] > 59 || v[5] < 0 || v[5] > 59)
        return reply(req, Status::OutOfRange);
      struct tm tm {};
      tm.tm_year = v[0] - 1900;
      tm.tm_mon = v[1] - 1;
      tm.tm_mday = v[2];
      tm.tm_hour = v[3];
      tm.tm_min = v[4];
      tm.tm_sec = v[5];
      tm.tm_isdst = -1;
      time_t target = mktime(&tm);
      if (target == time_t(-1)) return reply(req, Status::OutOfRange);
      c.clockOffset = int64_t(target) - int64_t(time(nullptr));
      return reply(req, saved());
    }
    case Cmd::GetVersion:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, Status::Ok, raw(c.version.data(), c.version.size()));
    case Cmd::GetIo:
      if (!need(0)) return reply(req, Status::BadLength);
      return reply(req, Status::Ok, raw(&st.ioTable(), sizeof(ProgramIoTable)));
    case Cmd::SetIo: {
      int32_t line = 0;
      ProgramIoTable t{};
      if (!need(4 + sizeof t)) return reply(req, Status::BadLength);
      r.i32(line);
      for (auto& e : t.lines) {
        r.i32(e.count);
        for (auto& x : e.programs) r.i32(x);
      }
      if (line < -1 || line > 5 || !validIoTable(t)) return reply(req, Status::OutOfRange);
      return reply(req, st.setIoTable(t) ? Status::Ok : Status::StorageFailed);
    }
    case Cmd::UploadBegin:
    case Cmd::UploadChunk:
    case Cmd::UploadEnd: {
      std::vector<uint8_t> out;
      Status s = upload(req, req.command, out);
      return reply(req, s, std::move(out));
    }
    case Cmd::FetchBegin: {
      int32_t n = 0;
      uint8_t enc = nq::kEncodingRaw;
      if (!need(4) && !need(5)) return reply(req, Status::BadLength);
      r.i32(n);
      if (need(5)) r.u8(enc);
      if (n < 1 || n > st.programCount()) return reply(req, Status::OutOfRange);
      if (enc != nq::kEncodingRaw &&
          (enc != nq::kEncodingLz4 || !(ctx_.features & nq::kFeatureLz4)))
        return reply(req, Status::OutOfRange);
      fetchEncoding_ = enc;
      const auto& s = st.programStream();
      size_t len = nq::programStreamPrefix(s, n);
      fetch_.assign(s.begin(), s.begin() + ptrdiff_t(len));
      fetchActive_ = true;
      return reply(req, Status::Ok, nq::Writer().u32(uint32_t(len)).u32(nq::crc32(fetch_)).b);
    }
    case Cmd::FetchChunk: {
      uint32_t off = 0, max = 0;
      if (!need(8)) return reply(req, Status::BadLength);
      r.u32(off);
      r.u32(max);
      if (!fetchActive_ || off > fetch_.size()) return reply(req, Status::BadSequence);
      if (fetchEncoding_ == nq::kEncodingLz4) {
        // Packed: up to max raw bytes when they pack into a quarter of it, else a quarter of
        // it, as an LZ4 block when that is smaller and raw when it is not, so that a reply never
        // grows beyond an unpacked one.
        const size_t largest = std::min<size_t>(max, nq::kMaxPayload - 4);
        std::vector<uint8_t> out;
        nq::appendPackedSpan(out, std::span<const uint8_t>(fetch_).subspan(off),
                             std::max<size_t>(1, largest / 4), largest);
        return reply(req, Status::Ok, std::move(out));
      }
      size_t n = std::min<size_t>({max, fetch_.size() - off, nq::kMaxPayload});
      return reply(req, Status::Ok,
                   std::vector<uint8_t>(fetch_.begin() + off, fetch_.begin() + ptrdiff_t(off + n)));
    }
    default:
      return reply(req, Status::UnknownCommand);
  }
}

// Called with the store locked.
Status Session::upload(const nq::Frame& req, uint8_t cmd, std::vector<uint8_t>& replyPayload) {
  CardStore& st = *ctx_.store;
  nq::Reader r(req.payload);
  if (cmd == uint8_t(Cmd::UploadBegin)) {
    uint8_t kind = 0, pad[3] = {};
    uint32_t total = 0, count = 0, crc = 0;
    if (req.payload.size() != 16) return Status::BadLength;
    r.u8(kind);
    r.bytes(pad, 3);
    r.u32(total);
    r.u32(count);
    r.u32(crc);
    upActive_ = false;
    upData_.clear();
    if (pad[0] != nq::kEncodingRaw &&
        (pad[0] != nq::kEncodingLz4 || !(ctx_.features & nq::kFeatureLz4)))
      return Status::OutOfRange;
    if (kind == uint8_t(nq::UploadKind::Programs)) {
      if (count < 1 || count > nq::kMaxPrograms || total < count * nq::kProgramHeaderSize)
        return Status::OutOfRange;
      // Nothing bigger than the most programs of the largest picture, two planes.
      if (total >
          nq::kMaxPrograms * (nq::kProgramHeaderSize +
                              nq::planeBytes(nq::kMaxProgramWidth, nq::kMaxProgramHeight, 3)))
        return Status::NoSpace;
    } else if (kind == uint8_t(nq::UploadKind::Firmware)) {
      if (total < 1) return Status::OutOfRange;
      if (total > kMaxFirmware) return Status::NoSpace;
    } else {
      return Status::OutOfRange;
    }
    upActive_ = true;
    upKind_ = kind;
    upTotal_ = total;
    upCount_ = count;
    upCrc_ = crc;
    upEncoding_ = pad[0];
    upData_.reserve(total);
    return Status::Ok;
  }
  if (!upActive_) return Status::BadSequence;
  if (cmd == uint8_t(Cmd::UploadChunk)) {
    uint32_t off = 0;
    if (!r.u32(off)) return Status::BadLength;
    auto data = r.rest();
    if (off != upData_.size()) return Status::BadSequence;
    if (upEncoding_ == nq::kEncodingLz4) {
      if (!nq::readPackedChunk(data, upTotal_ - upData_.size(), upData_))
        return Status::BadTransfer;
      return Status::Ok;
    }
    if (data.size() > upTotal_ - upData_.size()) return Status::BadSequence;
    upData_.insert(upData_.end(), data.begin(), data.end());
    return Status::Ok;
  }
  // UploadEnd: the stored state changes only here, and only for a whole, valid transfer.
  if (!req.payload.empty()) return Status::BadLength;
  upActive_ = false;
  std::vector<uint8_t> data = std::move(upData_);
  upData_ = {};
  if (data.size() != upTotal_ || nq::crc32(data) != upCrc_) return Status::BadTransfer;
  // The flash keeps what it was given, unless the fault says one byte goes wrong on the way.
  if (corruptStore_ && !data.empty()) data[data.size() / 2] ^= 0x10;
  // The acknowledgement names what the flash now holds, read back after the write.
  auto acknowledge = [&](const std::vector<uint8_t>& stored) {
    if (ctx_.features & nq::kFeatureVerifiedStore)
      replyPayload = nq::Writer().u32(nq::crc32(stored)).b;
    return Status::Ok;
  };
  if (upKind_ == uint8_t(nq::UploadKind::Firmware)) {
    char version[16];
    snprintf(version, sizeof version, "FW-%08X", unsigned(upCrc_));
    if (!st.setFirmware(std::move(data), version)) return Status::StorageFailed;
    return acknowledge(st.firmware());
  }
  std::vector<nq::WireProgram> programs;
  if (!nq::parseProgramStream(data, int(upCount_), programs)) return Status::BadTransfer;
  for (const auto& p : programs) {
    // Program memory of the card models: model 2 holds kModel2MaxPlaneBytes of planes per
    // program, model 1 drives at most kModel1MaxHeight rows.
    if (st.config().model == 2 && p.planes.size() > size_t(nq::kModel2MaxPlaneBytes))
      return Status::NoSpace;
    if (st.config().model == 1 && p.height > nq::kModel1MaxHeight) return Status::NoSpace;
  }
  if (!st.replacePrograms(int(upCount_), std::move(data))) return Status::StorageFailed;
  return acknowledge(st.programStream());
}

}  // namespace signsim

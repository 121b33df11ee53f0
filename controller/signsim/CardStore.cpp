#include "CardStore.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "Bmp.h"
#include "IniText.h"
#include "PosixIo.h"
#include "Program.h"

namespace signsim {

namespace {
std::string fixed(const char* p, size_t n) { return std::string(p, strnlen(p, n)); }
void copyFixed(char* dst, size_t n, const std::string& s) {
  std::memset(dst, 0, n);
  std::memcpy(dst, s.data(), std::min(s.size(), n - 1));
}
std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::string cur;
  std::istringstream in(s);
  while (std::getline(in, cur, sep)) out.push_back(cur);
  return out;
}

// Removes "<name>.tmp<pid>" files that a card killed part way through a write left behind;
// those of a card still running (another process on the same directory) stay.
void removeStaleTemporaries(const std::string& dir) {
  DIR* d = ::opendir(dir.c_str());
  if (!d) return;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    size_t at = name.rfind(".tmp");
    if (at == std::string::npos || at + 4 >= name.size()) continue;
    std::string digits = name.substr(at + 4);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9) continue;
    long pid = std::strtol(digits.c_str(), nullptr, 10);
    bool alive = pid > 0 && pid != ::getpid() && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
    if (!alive) ::unlink((dir + "/" + name).c_str());
  }
  ::closedir(d);
}

// A dotted IPv4 address in a 16-byte slot.
bool validAddress(const char* field) {
  size_t n = strnlen(field, 16);
  if (n == 0 || n == 16) return false;
  int parts = 0, value = -1;
  for (size_t i = 0; i <= n; ++i) {
    char c = i < n ? field[i] : '.';
    if (c == ' ') continue;
    if (c >= '0' && c <= '9') {
      value = (value < 0 ? 0 : value) * 10 + (c - '0');
      if (value > 255) return false;
    } else if (c == '.') {
      if (value < 0) return false;
      ++parts;
      value = -1;
    } else {
      return false;
    }
  }
  return parts == 4;
}

// Exactly n decimal numbers separated by commas.
bool numbers(const std::string& text, size_t n, std::vector<int>& out) {
  out.clear();
  for (const auto& f : split(text, ',')) {
    auto v = nq::parseDecimal(f);
    if (!v) return false;
    out.push_back(*v);
  }
  return out.size() == n;
}
}  // namespace

bool validModel(int model) { return model >= kFirstModel && model <= kLastModel; }

bool validSignSize(int model, int width, int height) {
  return width >= 1 && width <= nq::kMaxProgramWidth && height >= 1 &&
         height <= (model == 1 ? nq::kModel1MaxHeight : nq::kMaxProgramHeight);
}

bool validSerial(const SerialParaRecord& r) {
  return nq::isListedBaud(r.baud) && (r.parity == 0 || r.parity == 4 || r.parity == 6) &&
         r.dataBits == 0 && (r.stopBits == 0 || r.stopBits == 32);
}

bool validNet(const NetParaRecord& n) {
  return validAddress(n.ip) && validAddress(n.mask) && validAddress(n.gateway) && n.port >= 1 &&
         n.port <= 65535;
}

bool validLevel(int level) { return level >= 1 && level <= 32; }

bool validOnOff(const int hhmm[4]) {
  return hhmm[0] >= 0 && hhmm[0] <= 23 && hhmm[1] >= 0 && hhmm[1] <= 59 && hhmm[2] >= 0 &&
         hhmm[2] <= 23 && hhmm[3] >= 0 && hhmm[3] <= 59;
}

// The codes a change of the scan mode makes: four groups of four, rows decoded or not.
bool validScan(int code, int flags) {
  return code >= 0 && code <= 14 && code % 2 == 0 && !(flags & ~0x11);
}

bool validIoTable(const ProgramIoTable& t) {
  for (const auto& e : t.lines) {
    if (e.count < 0 || e.count > 16) return false;
    for (int i = 0; i < e.count; ++i)
      if (e.programs[i] < 0 || e.programs[i] >= nq::kMaxPrograms) return false;
  }
  return true;
}

CardStore::CardStore(std::string dir) : dir_(std::move(dir)) {
  if (!dir_.empty()) {
    ::mkdir(dir_.c_str(), 0755);
    removeStaleTemporaries(dir_);
    load();
  }
}

bool CardStore::write(const std::string& name, const std::vector<uint8_t>& data) {
  if (dir_.empty()) return true;
  return nq::writeFileAtomic(dir_ + "/" + name, data);
}

void CardStore::loadConfig(const std::string& text) {
  CardConfig& c = cfg_;
  std::vector<int> n;
  // Each setter changes the card only with a value it can hold.
  auto take = [](const std::string& v, auto valid, int& into) {
    auto x = nq::parseDecimal(v);
    if (!x || !valid(*x)) return false;
    into = *x;
    return true;
  };
  auto width = [](int x) { return validSignSize(kLastModel, x, 1); };
  auto height = [](int x) { return validSignSize(kLastModel, 1, x); };
  auto scanCode = [](int x) { return validScan(x, 0); };
  auto scanFlags = [](int x) { return validScan(0, x); };
  auto serial = [&](const std::string& v, SerialParaRecord& into) {
    if (!numbers(v, 4, n) || !validSerial({n[0], n[1], n[2], n[3]})) return false;
    into = {n[0], n[1], n[2], n[3]};
    return true;
  };
  auto net = [&](const std::string& v) {
    auto f = split(v, ',');
    NetParaRecord r{};
    if (f.size() != 4 || f[0].size() > 15 || f[1].size() > 15 || f[2].size() > 15) return false;
    copyFixed(r.ip, 16, f[0]);
    copyFixed(r.mask, 16, f[1]);
    copyFixed(r.gateway, 16, f[2]);
    r.port = nq::parseDecimal(f[3]).value_or(0);
    if (!validNet(r)) return false;
    c.net = r;
    return true;
  };
  auto onOff = [&](const std::string& v) {
    if (!numbers(v, 4, n) || !validOnOff(n.data())) return false;
    std::copy(n.begin(), n.end(), c.onOff);
    return true;
  };
  auto clock = [&](const std::string& v) {
    int64_t x = 0;
    auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), x);
    if (ec != std::errc() || end != v.data() + v.size() || x < -kMaxClockOffset ||
        x > kMaxClockOffset)
      return false;
    c.clockOffset = x;
    return true;
  };
  auto refuse = [&](const std::string& line) {
    std::fprintf(stderr, "signsim: %s/card.txt: %s is out of range; the card keeps its value\n",
                 dir_.c_str(), line.c_str());
  };
  int dayNight = c.dayNight;
  for (const auto& line : split(text, '\n')) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string k = line.substr(0, eq), v = line.substr(eq + 1);
    bool ok = true;
    if (k == "width")
      ok = take(v, width, c.width);
    else if (k == "height")
      ok = take(v, height, c.height);
    else if (k == "model")
      ok = take(v, validModel, c.model);
    else if (k == "rs232")
      ok = serial(v, c.rs232);
    else if (k == "rs485")
      ok = serial(v, c.rs485);
    else if (k == "net")
      ok = net(v);
    else if (k == "scan")
      ok = take(v, scanCode, c.scanCode);
    else if (k == "scanflags")
      ok = take(v, scanFlags, c.scanFlags);
    else if (k == "brightness")
      ok = take(v, validLevel, c.brightness);
    else if (k == "day")
      ok = take(v, validLevel, c.day);
    else if (k == "night")
      ok = take(v, validLevel, c.night);
    else if (k == "daynight")
      ok = take(
          v, [](int x) { return x == 0 || x == 1; }, dayNight);
    else if (k == "onoff")
      ok = onOff(v);
    else if (k == "clockoffset")
      ok = clock(v);
    else if (k == "version")
      c.version = v.substr(0, 15);
    if (!ok) refuse(line);
  }
  c.dayNight = dayNight != 0;
  // The height allowed depends on the model, which may stand on a later line.
  if (!validSignSize(c.model, c.width, c.height)) {
    refuse("height=" + std::to_string(c.height) + " of model " + std::to_string(c.model));
    c.height = CardConfig{}.height;
  }
}

void CardStore::load() {
  std::vector<uint8_t> data;
  if (nq::readWholeFile(dir_ + "/card.txt", data, 1 << 20))
    loadConfig(std::string(data.begin(), data.end()));
  if (nq::readWholeFile(dir_ + "/programs.bin", data, 64 << 20) && data.size() >= 4) {
    int count = int(data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24);
    std::vector<nq::WireProgram> parsed;
    std::span<const uint8_t> stream(data.data() + 4, data.size() - 4);
    if (nq::parseProgramStream(stream, count, parsed)) {
      programCount_ = count;
      programs_.assign(stream.begin(), stream.end());
    }
  }
  if (nq::readWholeFile(dir_ + "/io.bin", data, 4096)) {
    ProgramIoTable t{};
    if (data.size() == sizeof t) std::memcpy(&t, data.data(), sizeof t);
    if (data.size() == sizeof t && validIoTable(t))
      io_ = t;
    else
      std::fprintf(stderr, "signsim: %s/io.bin is damaged; the card keeps no input lines\n",
                   dir_.c_str());
  }
  nq::readWholeFile(dir_ + "/firmware.bin", firmware_, 16 << 20);
}

bool CardStore::saveConfig() {
  std::ostringstream o;
  auto serial = [&](const SerialParaRecord& r) {
    o << r.baud << ',' << r.parity << ',' << r.dataBits << ',' << r.stopBits << '\n';
  };
  o << "width=" << cfg_.width << "\nheight=" << cfg_.height << "\nmodel=" << cfg_.model << '\n';
  o << "rs232=";
  serial(cfg_.rs232);
  o << "rs485=";
  serial(cfg_.rs485);
  if (cfg_.net)
    o << "net=" << fixed(cfg_.net->ip, 16) << ',' << fixed(cfg_.net->mask, 16) << ','
      << fixed(cfg_.net->gateway, 16) << ',' << cfg_.net->port << '\n';
  o << "scan=" << cfg_.scanCode << "\nscanflags=" << cfg_.scanFlags
    << "\nbrightness=" << cfg_.brightness << "\nday=" << cfg_.day << "\nnight=" << cfg_.night
    << "\nonoff=" << cfg_.onOff[0] << ',' << cfg_.onOff[1] << ',' << cfg_.onOff[2] << ','
    << cfg_.onOff[3] << "\nclockoffset=" << cfg_.clockOffset << "\nversion=" << cfg_.version
    << '\n';
  o << "daynight=" << (cfg_.dayNight ? 1 : 0) << '\n';
  std::string s = o.str();
  return write("card.txt", std::vector<uint8_t>(s.begin(), s.end()));
}

bool CardStore::replacePrograms(int count, std::vector<uint8_t> stream) {
  std::vector<uint8_t> file(4);
  for (int i = 0; i < 4; ++i) file[size_t(i)] = uint8_t(uint32_t(count) >> (8 * i));
  file.insert(file.end(), stream.begin(), stream.end());
  if (!write("programs.bin", file)) return false;
  programCount_ = count;
  programs_ = std::move(stream);
  ++programsVersion_;
  return true;
}

bool CardStore::setIoTable(const ProgramIoTable& t) {
  std::vector<uint8_t> d(sizeof t);
  std::memcpy(d.data(), &t, sizeof t);
  if (!write("io.bin", d)) return false;
  io_ = t;
  return true;
}

bool CardStore::setFirmware(std::vector<uint8_t> image, const std::string& version) {
  if (!write("firmware.bin", image)) return false;
  firmware_ = std::move(image);
  cfg_.version = version;
  return saveConfig();
}

bool CardStore::format() {
  if (!replacePrograms(0, {})) return false;
  return setIoTable(ProgramIoTable{});
}

}  // namespace signsim

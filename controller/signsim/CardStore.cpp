#include "CardStore.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "Bmp.h"
#include "IniText.h"
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
int num(const std::string& s, int def) { return nq::parseDecimal(s).value_or(def); }

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
}  // namespace

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

void CardStore::load() {
  std::vector<uint8_t> data;
  if (nq::readWholeFile(dir_ + "/card.txt", data, 1 << 20)) {
    std::string text(data.begin(), data.end());
    for (const auto& line : split(text, '\n')) {
      size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      std::string k = line.substr(0, eq), v = line.substr(eq + 1);
      auto f = split(v, ',');
      auto serial = [&](SerialParaRecord& r) {
        if (f.size() == 4)
          r = {num(f[0], r.baud), num(f[1], r.parity), num(f[2], r.dataBits),
               num(f[3], r.stopBits)};
      };
      if (k == "width")
        cfg_.width = num(v, cfg_.width);
      else if (k == "height")
        cfg_.height = num(v, cfg_.height);
      else if (k == "model")
        cfg_.model = num(v, cfg_.model);
      else if (k == "rs232")
        serial(cfg_.rs232);
      else if (k == "rs485")
        serial(cfg_.rs485);
      else if (k == "net" && f.size() == 4) {
        NetParaRecord n{};
        copyFixed(n.ip, 16, f[0]);
        copyFixed(n.mask, 16, f[1]);
        copyFixed(n.gateway, 16, f[2]);
        n.port = num(f[3], 8000);
        cfg_.net = n;
      } else if (k == "scan")
        cfg_.scanCode = num(v, 0);
      else if (k == "scanflags")
        cfg_.scanFlags = num(v, 0);
      else if (k == "brightness")
        cfg_.brightness = num(v, 16);
      else if (k == "day")
        cfg_.day = num(v, 32);
      else if (k == "night")
        cfg_.night = num(v, 8);
      else if (k == "daynight")
        cfg_.dayNight = num(v, 0) != 0;
      else if (k == "onoff" && f.size() == 4)
        for (int i = 0; i < 4; ++i) cfg_.onOff[i] = num(f[size_t(i)], 0);
      else if (k == "clockoffset")
        cfg_.clockOffset = std::clamp<int64_t>(std::strtoll(v.c_str(), nullptr, 10),
                                               -kMaxClockOffset, kMaxClockOffset);
      else if (k == "version")
        cfg_.version = v.substr(0, 15);
    }
  }
  if (nq::readWholeFile(dir_ + "/programs.bin", data, 64 << 20) && data.size() >= 4) {
    int count = int(data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24);
    std::vector<nq::WireProgram> parsed;
    std::span<const uint8_t> stream(data.data() + 4, data.size() - 4);
    if (nq::parseProgramStream(stream, count, parsed)) {
      programCount_ = count;
      programs_.assign(stream.begin(), stream.end());
    }
  }
  if (nq::readWholeFile(dir_ + "/io.bin", data, 4096) && data.size() == sizeof io_)
    std::memcpy(&io_, data.data(), sizeof io_);
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

#pragma once
// Everything a controller card keeps in its flash, persisted in a state directory with atomic
// writes (temporary file, fsync, rename). Thread-safe: one mutex guards the whole card.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "Records.h"

namespace signsim {

// The card's clock runs from 1970 to 2099: no offset from the host clock is wider than that.
inline constexpr int64_t kMaxClockOffset = 4102444800;  // 2100-01-01 in seconds since 1970

struct CardConfig {
  int width = 64;
  int height = 32;
  int model = 2;
  SerialParaRecord rs232{115200, 0, 0, 0};
  SerialParaRecord rs485{9600, 0, 0, 0};
  std::optional<NetParaRecord> net;  // unset: reported from the live endpoint
  int scanCode = 0;
  int scanFlags = 0;
  int brightness = 16;
  int day = 32;
  int night = 8;
  // Set by a change of the day and night levels, cleared by a change of the one level: the sign
  // then follows its clock (day level 07:00 to 19:00, night level otherwise).
  bool dayNight = false;
  int onOff[4] = {7, 0, 23, 0};
  int64_t clockOffset = 0;  // seconds added to the host clock
  std::string version = "NQ-SIM 1.0";
};

// The values a card holds: its protocol refuses others, and neither its state file nor its
// command line puts them in.
inline constexpr int kFirstModel = 1, kLastModel = 3;
bool validModel(int model);
bool validSignSize(int model, int width, int height);  // model 1 drives at most 64 rows
bool validSerial(const SerialParaRecord& r);
bool validNet(const NetParaRecord& n);
bool validLevel(int level);  // brightness, day and night levels
bool validOnOff(const int hhmm[4]);
bool validScan(int code, int flags);
bool validIoTable(const ProgramIoTable& t);

class CardStore {
 public:
  // Loads the directory's state (creating the directory); empty dir = memory only. A value out
  // of range keeps the default and is named once on stderr.
  explicit CardStore(std::string dir);

  std::mutex& mutex() { return m_; }
  // All accessors below expect the caller to hold mutex().
  CardConfig& config() { return cfg_; }
  int programCount() const { return programCount_; }
  const std::vector<uint8_t>& programStream() const { return programs_; }
  // Counts every replacement of the programs (a send, a format), so a watcher sees a new send.
  uint64_t programsVersion() const { return programsVersion_; }
  const ProgramIoTable& ioTable() const { return io_; }
  const std::vector<uint8_t>& firmware() const { return firmware_; }

  bool saveConfig();
  bool replacePrograms(int count, std::vector<uint8_t> stream);
  bool setIoTable(const ProgramIoTable& t);
  bool setFirmware(std::vector<uint8_t> image, const std::string& version);
  bool format();  // erases programs and the input-line table

  const std::string& dir() const { return dir_; }

 private:
  bool write(const std::string& name, const std::vector<uint8_t>& data);
  void load();
  void loadConfig(const std::string& text);
  std::string dir_;
  std::mutex m_;
  CardConfig cfg_;
  int programCount_ = 0;
  std::vector<uint8_t> programs_;
  uint64_t programsVersion_ = 0;
  ProgramIoTable io_{};
  std::vector<uint8_t> firmware_;
};

}  // namespace signsim

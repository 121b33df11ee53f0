#pragma once
// Loads the two link libraries with dlopen and runs a virtual card in-process, in a fresh
// temporary state directory and library home.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "Bmp.h"
#include "Card.h"
#include "NqLink.h"
#include "ProgramIni.h"
#include "ResultCodes.h"

namespace fs = std::filesystem;

class LinkLibrary {
 public:
  explicit LinkLibrary(const char* path) : h_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
  ~LinkLibrary() {
    if (h_) dlclose(h_);
  }
  bool loaded() const { return h_ != nullptr; }
  void* sym(const std::string& name) const { return h_ ? dlsym(h_, name.c_str()) : nullptr; }
  template <typename F>
  F* fn(const std::string& name) const {
    void* p = sym(name);
    if (!p) ADD_FAILURE() << "missing export " << name;
    return reinterpret_cast<F*>(p);
  }

 private:
  void* h_;
};

inline LinkLibrary& netLibrary() {
  static LinkLibrary lib(NQ_NET_LIBRARY_PATH);
  return lib;
}
inline LinkLibrary& comLibrary() {
  static LinkLibrary lib(NQ_COM_LIBRARY_PATH);
  return lib;
}

struct TempDir {
  fs::path path;
  TempDir() {
    std::string t = (fs::temp_directory_path() / "ctl-test-XXXXXX").string();
    path = mkdtemp(t.data());
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

// One program of a test library.
struct TestProgram {
  nq::Image image;
  nq::ProgramSettings settings;
};

// Writes Program/<n>.bmp and Program/set.ini into home and fills a send record.
inline void writeLibrary(const fs::path& home, const std::vector<TestProgram>& programs,
                         ProgramSendRecord& rec) {
  fs::create_directories(home / "Program");
  std::memset(&rec, 0, sizeof rec);
  std::string ini;
  for (size_t i = 0; i < programs.size(); ++i) {
    auto path = (home / "Program" / (std::to_string(i) + ".bmp")).string();
    auto bytes = nq::encodeBmp24(programs[i].image);
    ASSERT_TRUE(nq::writeFileAtomic(path, bytes));
    std::strncpy(rec.bitmapPaths[i], path.c_str(), NQ_PATH_SLOT - 1);
    nq::appendProgramSection(ini, int(i), programs[i].image.width, programs[i].image.height,
                             programs[i].settings);
  }
  auto iniPath = (home / "Program" / "set.ini").string();
  ASSERT_TRUE(nq::writeFileAtomic(iniPath, std::vector<uint8_t>(ini.begin(), ini.end())));
  std::strncpy(rec.iniPath, iniPath.c_str(), NQ_INI_PATH_SLOT - 1);
  rec.count = int32_t(programs.size());
}

inline std::vector<uint8_t> readFileBytes(const fs::path& path) {
  std::vector<uint8_t> data;
  nq::readWholeFile(path.string(), data, 64 << 20);
  return data;
}

inline std::map<std::string, std::string> snapshotDir(const fs::path& dir) {
  std::map<std::string, std::string> out;
  if (!fs::exists(dir)) return out;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    std::vector<uint8_t> data;
    nq::readWholeFile(e.path().string(), data, 64 << 20);
    out[fs::relative(e.path(), dir).string()] = std::string(data.begin(), data.end());
  }
  return out;
}

// A card on a free loopback port with its own state directory, and a fresh library home.
class CardFixture : public ::testing::Test {
 protected:
  void startCard(signsim::CardOptions o = {}) {
    if (o.stateDir.empty()) o.stateDir = (state.path / "card").string();
    card = std::make_unique<signsim::Card>(o);
    std::string err;
    ASSERT_TRUE(card->start(&err)) << err;
  }
  void SetUp() override {
    ASSERT_TRUE(netLibrary().loaded()) << dlerror();
    ASSERT_TRUE(comLibrary().loaded()) << dlerror();
    setenv("LEDSIGN_HOME", home.path.c_str(), 1);
    setenv("NQ_LINK_TIMEOUT_MS", "400", 1);
  }
  void TearDown() override {
    if (auto d = netLibrary().fn<int()>("NQ_NET_LED_Disnect")) d();
    if (auto c = comLibrary().fn<int()>("NQ_COM_LED_CloseSerial")) c();
    if (card) card->stop();
  }
  int connectNet() {
    return netLibrary().fn<int(const char*, int)>("NQ_NET_LED_Connect")("127.0.0.1",
                                                                        card->tcpPort());
  }
  template <typename F>
  F* net(const std::string& name) {
    return netLibrary().fn<F>("NQ_NET_LED_" + name);
  }
  template <typename F>
  F* com(const std::string& name) {
    return comLibrary().fn<F>("NQ_COM_LED_" + name);
  }

  TempDir state, home;
  std::unique_ptr<signsim::Card> card;
};

// A picture filled with one colour.
inline nq::Image filled(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
  nq::Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = img.px(x, y);
      p[0] = r;
      p[1] = g;
      p[2] = b;
    }
  return img;
}
inline void setPx(nq::Image& img, int x, int y, uint8_t r, uint8_t g, uint8_t b) {
  uint8_t* p = img.px(x, y);
  p[0] = r;
  p[1] = g;
  p[2] = b;
}

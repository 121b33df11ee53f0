// Every operation resolves by name in its library, and the libraries export nothing else.
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "Bmp.h"

namespace {

// The operation table, typed out independently of the sources.
const std::set<std::string> kCommon = {"GetWidthHeight",
                                       "ProgramNumber",
                                       "Type",
                                       "Format",
                                       "Reboot",
                                       "ModProgram",
                                       "GetProgram",
                                       "Update",
                                       "Mod_KuanGao",
                                       "GetSerialPara",
                                       "ModSerialPara",
                                       "GetNetPara",
                                       "ModNetPara",
                                       "GetScanPara",
                                       "ModScanPara",
                                       "GetBrightnessPara",
                                       "ModBrightnessPara",
                                       "GetDayNightBrightness",
                                       "ModDayNightBrightness",
                                       "GetOnOffTime",
                                       "GetTime",
                                       "GetVersion",
                                       "ModOnOffTime",
                                       "ModTime",
                                       "GetProgramIO",
                                       "ModProgramIO"};
const std::set<std::string> kSerialOnly = {"OpenSerial", "CloseSerial", "Set_GPRS", "GetBaud"};
const std::set<std::string> kNetOnly = {"Connect",  "Disnect",    "GetNetCard", "SendArpPacket",
                                        "GetNetIP", "Get485Para", "Mod485Para"};

std::set<std::string> expected(const std::string& prefix, const std::set<std::string>& only) {
  std::set<std::string> out;
  for (const auto& n : kCommon) out.insert(prefix + n);
  for (const auto& n : only) out.insert(prefix + n);
  return out;
}

// Defined global symbols of a 64-bit ELF shared object's dynamic symbol table.
std::set<std::string> dynamicExports(const char* path) {
  std::vector<uint8_t> f;
  std::set<std::string> out;
  if (!nq::readWholeFile(path, f, 64 << 20) || f.size() < sizeof(Elf64_Ehdr)) return out;
  Elf64_Ehdr eh;
  std::memcpy(&eh, f.data(), sizeof eh);
  auto section = [&](size_t i) {
    Elf64_Shdr sh;
    std::memcpy(&sh, f.data() + eh.e_shoff + i * eh.e_shentsize, sizeof sh);
    return sh;
  };
  for (size_t i = 0; i < eh.e_shnum; ++i) {
    Elf64_Shdr sh = section(i);
    if (sh.sh_type != SHT_DYNSYM) continue;
    Elf64_Shdr strtab = section(sh.sh_link);
    for (size_t k = 0; k < sh.sh_size / sizeof(Elf64_Sym); ++k) {
      Elf64_Sym s;
      std::memcpy(&s, f.data() + sh.sh_offset + k * sizeof s, sizeof s);
      int bind = ELF64_ST_BIND(s.st_info);
      if (s.st_shndx == SHN_UNDEF || (bind != STB_GLOBAL && bind != STB_WEAK)) continue;
      out.insert(reinterpret_cast<const char*>(f.data() + strtab.sh_offset + s.st_name));
    }
  }
  return out;
}

struct LibraryRow {
  const char* path;
  std::set<std::string> names;
};

}  // namespace

TEST(Exports, EveryOperationResolvesAndNothingElseIsExported) {
  const LibraryRow rows[] = {
      {NQ_COM_LIBRARY_PATH, expected("NQ_COM_LED_", kSerialOnly)},
      {NQ_NET_LIBRARY_PATH,
       [] {
         auto s = expected("NQ_NET_LED_", kNetOnly);
         s.insert("NQ_SendHeart");
         return s;
       }()},
  };
  for (const auto& row : rows) {
    void* h = dlopen(row.path, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(h, nullptr) << dlerror();
    for (const auto& name : row.names) EXPECT_NE(dlsym(h, name.c_str()), nullptr) << name;
    EXPECT_EQ(dlsym(h, "NQ_NET_LED_GetBaud"), nullptr);
    // Beyond the interface: the progress query of the bulk transfers.
    auto names = row.names;
    names.insert(
        std::string(row.path == std::string(NQ_COM_LIBRARY_PATH) ? "NQ_COM_LED_" : "NQ_NET_LED_") +
        "Progress");
    EXPECT_EQ(dynamicExports(row.path), names) << row.path;
    dlclose(h);
  }
  EXPECT_EQ(expected("NQ_COM_LED_", kSerialOnly).size(), 30u);
}

// Send and fetch cycles against the virtual card with a random fault injected in each, over TCP
// and over the pseudo-terminal. After every cycle the card holds either its old programs or the
// whole new library, never a mix, and the home's library is byte for byte the old one or wholly
// the fetched one. LEDSIGN_SOAK_TCP and LEDSIGN_SOAK_PTY set the cycle counts (a short run by
// default; scripts/soak.sh runs 1000 and 100) and LEDSIGN_SOAK_SEED the random seed.
#include <cstdio>
#include <random>
#include <set>

#include "LinkFixture.h"

using namespace nq;

namespace {

int envInt(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

struct Counts {
  int cycles = 0, sends = 0, fetches = 0, succeeded = 0, failed = 0;
  int cardOld = 0, cardNew = 0, cardMixed = 0, homeOld = 0, homeNew = 0, homeMixed = 0;
};

class FaultSoak : public CardFixture {
 protected:
  struct Link {
    std::function<int(ProgramSendRecord*)> send;
    std::function<int(int)> fetch;
    std::function<void()> reconnect;
  };

  void SetUp() override {
    CardFixture::SetUp();
    // Two libraries the cycles alternate between.
    writeLibrary(sourceA.path,
                 {TestProgram{filled(32, 16, 255, 0, 0), {1, 1, 2, 3}},
                  TestProgram{filled(16, 16, 0, 255, 0), {2, 4, 1, 9}}},
                 recA);
    writeLibrary(sourceB.path,
                 {TestProgram{filled(16, 8, 255, 255, 0), {3, 0, 0, 1}},
                  TestProgram{filled(8, 8, 0, 0, 0), {0, 2, 5, 2}},
                  TestProgram{filled(24, 8, 255, 0, 0), {1, 7, 3, 4}}},
                 recB);
  }

  std::vector<uint8_t> cardStream() {
    std::lock_guard l(card->store().mutex());
    return card->store().programStream();
  }

  // The files a fetch of `count` programs owns: set.ini and 0..count-1.bmp.
  static std::map<std::string, std::string> fetched(const fs::path& home, int count) {
    std::map<std::string, std::string> out;
    const auto all = snapshotDir(home);
    for (const auto& [name, bytes] : all) {
      bool owned = name == "Program/set.ini";
      for (int k = 0; k < count; ++k) owned |= name == "Program/" + std::to_string(k) + ".bmp";
      if (owned) out[name] = bytes;
    }
    return out;
  }

  void soak(Link link, int cycles, const char* over) {
    std::mt19937 rng(static_cast<unsigned>(envInt("LEDSIGN_SOAK_SEED", 17)));
    // The reference states: each library sent and fetched without faults.
    std::map<std::vector<uint8_t>, std::pair<int, std::map<std::string, std::string>>> reference;
    std::vector<uint8_t> streamOf[2];
    ProgramSendRecord* recs[2] = {&recA, &recB};
    const int counts[2] = {2, 3};
    for (int i = 0; i < 2; ++i) {
      ASSERT_EQ(link.send(recs[i]), 0);
      streamOf[i] = cardStream();
      ASSERT_EQ(link.fetch(counts[i]), 0);
      reference[streamOf[i]] = {counts[i], fetched(home.path, counts[i])};
    }
    const int sendCommands[] = {int(Cmd::UploadBegin), int(Cmd::UploadChunk), int(Cmd::UploadEnd),
                                -1};
    const int fetchCommands[] = {int(Cmd::GetProgramCount), int(Cmd::FetchBegin),
                                 int(Cmd::FetchChunk), -1};
    const char* kinds[] = {"noreply", "wrongcode", "badsum",    "delay:60", "refuse:6",
                           "drop:3",  "drop:0",    "stall:450", "none"};
    Counts c;
    for (int i = 0; i < cycles; ++i) {
      const bool send = rng() % 2 == 0;
      const int which = static_cast<int>(rng() % 2);
      std::string fault = kinds[rng() % std::size(kinds)];
      fault += "@" + std::to_string(rng() % 3) + (rng() % 2 ? "x1" : "");
      const int command = send ? sendCommands[rng() % 4] : fetchCommands[rng() % 4];
      const auto cardBefore = cardStream();
      const auto homeBefore = snapshotDir(home.path);
      card->faults().set(command, *signsim::parseFault(fault));
      const int r = send ? link.send(recs[which]) : link.fetch(reference[cardBefore].first);
      card->faults().clear();
      link.reconnect();
      ++c.cycles;
      ++(send ? c.sends : c.fetches);
      ++(r == 0 ? c.succeeded : c.failed);

      const auto cardAfter = cardStream();
      if (send && r == 0 && cardAfter != streamOf[which]) {
        ADD_FAILURE() << over << " cycle " << i << ": a send reported done left other programs";
      }
      if (cardAfter == cardBefore) {
        ++c.cardOld;
      } else if (send && cardAfter == streamOf[which]) {
        ++c.cardNew;
      } else {
        ++c.cardMixed;
        ADD_FAILURE() << over << " cycle " << i << ": the card holds a mix after " << fault;
      }
      if (!send) {
        const auto& [count, whole] = reference[cardBefore];
        if (r == 0 && fetched(home.path, count) != whole) {
          ADD_FAILURE() << over << " cycle " << i << ": a fetch reported done left other files";
        }
        if (snapshotDir(home.path) == homeBefore) {
          ++c.homeOld;
        } else if (fetched(home.path, count) == whole) {
          ++c.homeNew;
        } else {
          ++c.homeMixed;
          ADD_FAILURE() << over << " cycle " << i << ": the home holds a mix after " << fault;
        }
      }
    }
    std::printf(
        "soak %s: %d cycles (%d sends, %d fetches), %d succeeded, %d failed; card unchanged %d, "
        "wholly replaced %d, mixed %d; home unchanged %d, wholly fetched anew %d, mixed %d\n",
        over, c.cycles, c.sends, c.fetches, c.succeeded, c.failed, c.cardOld, c.cardNew,
        c.cardMixed, c.homeOld, c.homeNew, c.homeMixed);
  }

  TempDir sourceA, sourceB;
  ProgramSendRecord recA, recB;
};

TEST_F(FaultSoak, OverTcp) {
  startCard();
  ASSERT_EQ(connectNet(), 0);
  soak({[this](ProgramSendRecord* r) { return net<int(ProgramSendRecord*)>("ModProgram")(r); },
        [this](int n) { return net<int(int)>("GetProgram")(n); },
        [this] { ASSERT_EQ(connectNet(), 0); }},
       envInt("LEDSIGN_SOAK_TCP", 40), "tcp");
}

TEST_F(FaultSoak, OverThePty) {
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.ptyLink = (state.path / "ttyLED").string();
  startCard(o);
  com<int(int, int)>("Set_GPRS")(0, 400);
  ASSERT_EQ(com<int(const char*, int)>("OpenSerial")(o.ptyLink.c_str(), 115200), 0);
  soak({[this](ProgramSendRecord* r) { return com<int(ProgramSendRecord*)>("ModProgram")(r); },
        [this](int n) { return com<int(int)>("GetProgram")(n); }, [] {}},
       envInt("LEDSIGN_SOAK_PTY", 5), "pty");
}

}  // namespace

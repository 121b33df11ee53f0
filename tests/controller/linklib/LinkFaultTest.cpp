// Every failure the link reports, produced by the card's fault injection (reply timeout 400 ms).
#include "LinkFixture.h"

using namespace nq;
using signsim::Fault;
using signsim::FaultKind;

class NetFaults : public CardFixture {
 protected:
  void SetUp() override {
    CardFixture::SetUp();
    startCard();
    ASSERT_EQ(connectNet(), 0);
  }
  void sendPrograms(int count, int width) {
    std::vector<TestProgram> programs;
    for (int i = 0; i < count; ++i) {
      TestProgram p{filled(width, 64, 0, 0, 0), {3, i % 16, i % 6, i}};
      for (int x = 0; x < width; ++x) setPx(p.image, x, (x + i) % 64, x % 2 ? 255 : 0, 128, 0);
      programs.push_back(p);
    }
    writeLibrary(source.path, programs, rec);
  }
  TempDir source;
  ProgramSendRecord rec;
};

TEST_F(NetFaults, EachFailureMapsToItsCodeAndStatusText) {
  struct Row {
    const char* fault;
    int code;
    const char* text;
  };
  const Row rows[] = {
      {"noreply", NoReply, kTextNoReply},
      {"delay:700", NoReply, kTextNoReply},  // later than the reply timeout: silence
      {"wrongcode", WrongReply, kTextWrongReply},
      {"badsum", ChecksumError, kTextChecksum},
      {"stall:700", Timeout, kTextTimeout},  // the reply starts, then stops
      {"refuse:7", Refused + 7, kTextWrongReply},
      {"drop:6", LinkLost, kTextNotConnected},
  };
  for (const auto& r : rows) {
    auto f = signsim::parseFault(r.fault);
    ASSERT_TRUE(f) << r.fault;
    ASSERT_EQ(connectNet(), 0);
    card->faults().set(int(Cmd::GetProgramCount), *f);
    card->faults().set(int(Cmd::GetTime), *f);
    EXPECT_EQ(net<int()>("ProgramNumber")(), -r.code) << r.fault;
    if (r.code == LinkLost) {
      ASSERT_EQ(connectNet(), 0);
    }
    EXPECT_STREQ(net<const char*()>("GetTime")(), r.text) << r.fault;
    card->faults().clear();
  }
  // Not connected at all.
  net<int()>("Disnect")();
  EXPECT_EQ(net<int()>("Type")(), -NotConnected);
  EXPECT_STREQ(net<const char*()>("GetOnOffTime")(), kTextNotConnected);
}

TEST_F(NetFaults, TransientFaultsAreRiddenOut) {
  // One bad checksum is repeated; a short delay is within the timeout; a stale late reply from
  // an earlier request is skipped by its sequence number.
  for (Fault f : {Fault{FaultKind::BadChecksum, 0, 0, 2}, Fault{FaultKind::Delay, 50, 0, 1}}) {
    card->faults().set(-1, f);
    EXPECT_EQ(net<int()>("Type")(), 2);
    card->faults().clear();
  }
  card->faults().set(int(Cmd::GetModel), Fault{FaultKind::Delay, 600, 0, 1});
  EXPECT_EQ(net<int()>("Type")(), -NoReply);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 0);  // the late model reply arrives meanwhile
  EXPECT_EQ(net<int()>("Type")(), 2);
}

TEST_F(NetFaults, ASendFailingInTheMiddleKeepsTheCardsOldPrograms) {
  sendPrograms(2, 64);
  ASSERT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  std::vector<uint8_t> before;
  {
    std::lock_guard l(card->store().mutex());
    before = card->store().programStream();
  }
  sendPrograms(8, 320);  // about 41 KB: two packed chunks
  struct Row {
    int command;
    const char* fault;
    int code;
  };
  const Row rows[] = {
      {int(Cmd::UploadChunk), "drop:0@1", LinkLost},
      {int(Cmd::UploadChunk), "noreply@1", NoReply},
      {int(Cmd::UploadEnd), "refuse:8", Refused + 8},
      {int(Cmd::UploadChunk), "refuse:6@1", Refused + 6},
  };
  for (const auto& r : rows) {
    ASSERT_EQ(connectNet(), 0);
    card->faults().set(r.command, *signsim::parseFault(r.fault));
    EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), r.code) << r.fault;
    card->faults().clear();
    ASSERT_EQ(connectNet(), 0);
    EXPECT_EQ(net<int()>("ProgramNumber")(), 2) << r.fault;
    std::lock_guard l(card->store().mutex());
    EXPECT_EQ(card->store().programStream(), before) << r.fault;
  }
  // The state directory holds the old programs too: a restarted card still has two.
  card->stop();
  startCard();
  ASSERT_EQ(connectNet(), 0);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 2);
  EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 8);
}

TEST_F(NetFaults, AFetchFailingInTheMiddleLeavesTheLibraryAsItWas) {
  sendPrograms(8, 320);
  ASSERT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  // The home's library: two old programs and an unrelated file.
  ProgramSendRecord old;
  writeLibrary(home.path,
               {TestProgram{filled(16, 16, 255, 0, 0), {1, 0, 0, 1}},
                TestProgram{filled(8, 8, 0, 128, 0), {2, 0, 0, 2}}},
               old);
  const auto before = snapshotDir(home.path);
  const char* faults[] = {"drop:3@1",    "noreply@1",   "badsum@1",
                          "stall:700@1", "wrongcode@1", "refuse:6@1"};
  for (const char* f : faults) {
    ASSERT_EQ(connectNet(), 0);
    card->faults().set(int(Cmd::FetchChunk), *signsim::parseFault(f));
    EXPECT_NE(net<int(int)>("GetProgram")(8), 0) << f;
    card->faults().clear();
    EXPECT_EQ(snapshotDir(home.path), before) << f;
  }
  // An unwritable home fails the same way.
  ASSERT_EQ(connectNet(), 0);
  setenv("LEDSIGN_HOME", (home.path / "missing" / "deeper").c_str(), 1);
  EXPECT_EQ(net<int(int)>("GetProgram")(8), WriteFailed);
  setenv("LEDSIGN_HOME", home.path.c_str(), 1);
  EXPECT_EQ(snapshotDir(home.path), before);
  EXPECT_EQ(net<int(int)>("GetProgram")(8), 0);
  EXPECT_NE(snapshotDir(home.path), before);
}

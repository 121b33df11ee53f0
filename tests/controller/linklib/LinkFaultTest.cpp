// Every failure the link reports, produced by the card's fault injection (reply timeout 400 ms),
// and what a transfer failing part way leaves on the card and in the home.
#include <sys/stat.h>

#include <fstream>

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

// A send failing part way, in the middle of the upload or at its end: the card keeps its old
// programs in memory and in its state directory (a restarted card still has them), and the next
// send goes through.
struct SendFault {
  const char* name;
  int command;
  const char* fault;
  int code;
};

class SendPartWay : public NetFaults, public ::testing::WithParamInterface<SendFault> {};

TEST_P(SendPartWay, KeepsTheCardsOldPrograms) {
  const SendFault& r = GetParam();
  sendPrograms(2, 64);
  ASSERT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  std::vector<uint8_t> before;
  {
    std::lock_guard l(card->store().mutex());
    before = card->store().programStream();
  }
  sendPrograms(8, 320);  // about 41 KB: two packed chunks
  card->faults().set(r.command, *signsim::parseFault(r.fault));
  EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), r.code);
  card->faults().clear();
  ASSERT_EQ(connectNet(), 0);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 2);
  {
    std::lock_guard l(card->store().mutex());
    EXPECT_EQ(card->store().programStream(), before);
  }
  card->stop();
  startCard();
  ASSERT_EQ(connectNet(), 0);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 2);
  EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 8);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SendPartWay,
    ::testing::Values(
        // The card takes the first chunk, answers three bytes and closes the link.
        SendFault{"DropWhileAnsweringTheFirstChunk", int(Cmd::UploadChunk), "drop:3", LinkLost},
        SendFault{"DropAtTheSecondChunk", int(Cmd::UploadChunk), "drop:0@1", LinkLost},
        SendFault{"NoReplyToTheSecondChunk", int(Cmd::UploadChunk), "noreply@1", NoReply},
        SendFault{"SecondChunkRefused", int(Cmd::UploadChunk), "refuse:6@1", Refused + 6},
        SendFault{"EndRefused", int(Cmd::UploadEnd), "refuse:8", Refused + 8}),
    [](const auto& p) { return std::string(p.param.name); });

// A fetch failing part way leaves the home's library byte for byte as it was, with a file of
// its own beside it, whatever failed: the link, the home, or the third rename of the fetch's
// files (a folder stands where 2.bmp goes) with any kind of entry where 0.bmp goes.
enum class FetchFailure {
  Wire,
  UnwritableHome,
  RenameOverPicture,
  RenameOverLink,
  RenameOverDanglingLink,
  RenameOverFifo
};

struct FetchFault {
  const char* name;
  FetchFailure failure;
  const char* fault;  // on every fetch chunk, for a failure of the link
};

class FetchPartWay : public NetFaults, public ::testing::WithParamInterface<FetchFault> {
 protected:
  // Makes the home fail the fetch as the row says.
  void breakHome(FetchFailure failure) {
    const fs::path first = home.path / "Program" / "0.bmp";
    if (failure == FetchFailure::UnwritableHome)
      setenv("LEDSIGN_HOME", (home.path / "missing" / "deeper").c_str(), 1);
    if (failure < FetchFailure::RenameOverPicture) return;
    if (failure != FetchFailure::RenameOverPicture) fs::remove(first);
    if (failure == FetchFailure::RenameOverLink)
      fs::create_symlink(source.path / "Program" / "0.bmp", first);
    if (failure == FetchFailure::RenameOverDanglingLink)
      fs::create_symlink(source.path / "Program" / "gone", first);
    if (failure == FetchFailure::RenameOverFifo) {
      ASSERT_EQ(mkfifo(first.c_str(), 0644), 0);
    }
    fs::create_directories(home.path / "Program" / "2.bmp");
    std::ofstream(home.path / "Program" / "2.bmp" / "keep") << "x";
  }
};

TEST_P(FetchPartWay, LeavesTheLibraryAsItWas) {
  const FetchFault& r = GetParam();
  sendPrograms(8, 320);
  ASSERT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  // The home's library: two old programs and an unrelated file.
  ProgramSendRecord old;
  writeLibrary(home.path,
               {TestProgram{filled(16, 16, 255, 0, 0), {1, 0, 0, 1}},
                TestProgram{filled(8, 8, 0, 128, 0), {2, 0, 0, 2}}},
               old);
  fs::create_directories(home.path / "Rtf");
  std::ofstream(home.path / "Rtf" / "0.rtf") << "{\\rtf1 kept}";
  ASSERT_NO_FATAL_FAILURE(breakHome(r.failure));
  if (r.fault) card->faults().set(int(Cmd::FetchChunk), *signsim::parseFault(r.fault));
  const auto before = snapshotDir(home.path);
  const fs::path first = home.path / "Program" / "0.bmp";
  const fs::file_type type = fs::symlink_status(first).type();

  const int code = net<int(int)>("GetProgram")(8);
  if (r.failure == FetchFailure::Wire) {
    EXPECT_NE(code, 0);
  } else {
    EXPECT_EQ(code, WriteFailed);
  }
  card->faults().clear();
  setenv("LEDSIGN_HOME", home.path.c_str(), 1);
  EXPECT_EQ(snapshotDir(home.path), before);
  EXPECT_EQ(fs::symlink_status(first).type(), type);

  if (r.failure > FetchFailure::UnwritableHome) return;  // the folder still stands in the way
  ASSERT_EQ(connectNet(), 0);
  EXPECT_EQ(net<int(int)>("GetProgram")(8), 0);
  EXPECT_NE(snapshotDir(home.path), before);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FetchPartWay,
    ::testing::Values(FetchFault{"DropWhileAnsweringTheFirstChunk", FetchFailure::Wire, "drop:3"},
                      FetchFault{"DropAtTheSecondChunk", FetchFailure::Wire, "drop:3@1"},
                      FetchFault{"NoReply", FetchFailure::Wire, "noreply@1"},
                      FetchFault{"BadChecksum", FetchFailure::Wire, "badsum@1"},
                      FetchFault{"Stall", FetchFailure::Wire, "stall:700@1"},
                      FetchFault{"WrongCode", FetchFailure::Wire, "wrongcode@1"},
                      FetchFault{"Refused", FetchFailure::Wire, "refuse:6@1"},
                      FetchFault{"UnwritableHome", FetchFailure::UnwritableHome, nullptr},
                      FetchFault{"RenameOverAPicture", FetchFailure::RenameOverPicture, nullptr},
                      FetchFault{"RenameOverALink", FetchFailure::RenameOverLink, nullptr},
                      FetchFault{"RenameOverADanglingLink", FetchFailure::RenameOverDanglingLink,
                                 nullptr},
                      FetchFault{"RenameOverAFifo", FetchFailure::RenameOverFifo, nullptr}),
    [](const auto& p) { return std::string(p.param.name); });

// signsim: the virtual controller card as a program. Prints its endpoints when ready, runs
// until SIGINT/SIGTERM. See --help.

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Card.h"
#include "PosixIo.h"
#include "Program.h"
#ifdef SIGNSIM_WITH_DISPLAY
#include "SignWindow.h"
#endif

namespace {

void usage() {
  std::puts(
      "Usage: signsim [options]\n"
      "  --version           print the version and end\n"
      "  --bind ADDR         TCP/UDP address (default 127.0.0.1)\n"
      "  --port N            TCP port; 0 picks a free one (default 8000); -1 no TCP\n"
      "  --no-pty            no pseudo-terminal\n"
      "  --pty-link PATH     keep a symlink PATH to the pty slave\n"
      "  --no-pace           do not pace the pty at the line rate\n"
      "  --discovery-port N  answer discovery datagrams on UDP port N (0 picks one)\n"
      "  --state DIR         keep the card's flash in DIR (default: memory only)\n"
      "  --width N --height N --model N --baud N   override the stored values\n"
      "  --first-version     offer no protocol features (raw planes, no CRC in the upload ack)\n"
      "  --fault [CMD=]FAULT  inject a fault for command CMD (a name like UploadChunk, or a\n"
      "                      number) or for all: noreply | wrongcode | badsum | delay:MS |\n"
      "                      stall:MS | refuse:STATUS | drop:BYTES | corruptstore,\n"
      "                      with @SKIP and xTIMES\n"
      "  --display           show the sign in a window, playing what the card holds\n"
      "  --zoom N            pixels per LED in the window (default: about 640 wide)\n"
      "  --plain             square pixels instead of round LEDs\n"
      "  --snapshot-dir DIR  where the window's snapshot button saves (default: current dir)\n"
      "  --snapshot-after MS FILE  with the display: save the sign as PNG after MS ms, exit\n"
      "Prints 'signsim ready tcp=PORT pty=PATH discovery=PORT' when listening.");
}

volatile sig_atomic_t gStop = 0;
void onSignal(int) { gStop = 1; }

bool intArg(const char* v, int& out) {
  if (!v) return false;
  char* end = nullptr;
  errno = 0;
  long x = std::strtol(v, &end, 10);
  if (*end || end == v || errno == ERANGE || x < INT_MIN || x > INT_MAX) return false;
  out = int(x);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  signsim::CardOptions o;
  o.tcpPort = 8000;
  std::vector<std::pair<int, signsim::Fault>> faults;
  bool display = false;
  [[maybe_unused]] int zoom = 0, snapshotAfter = -1;
  [[maybe_unused]] bool plain = false;
  [[maybe_unused]] std::string snapshotDir, snapshotFile;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
    int n = 0;
    auto needInt = [&](int& into) {
      if (!intArg(v, n)) {
        std::fprintf(stderr, "signsim: %s needs a number\n", a.c_str());
        std::exit(2);
      }
      into = n;
      ++i;
    };
    auto optInt = [&](std::optional<int>& into) {
      int x;
      needInt(x);
      into = x;
    };
    if (a == "--help" || a == "-h") {
      usage();
      return 0;
    } else if (a == "--version" || a == "-v") {
      std::printf("signsim %s\n", LEDSIGN_VERSION);
      return 0;
    } else if (a == "--bind" && v) {
      o.bindAddress = v;
      ++i;
    } else if (a == "--port") {
      needInt(o.tcpPort);
    } else if (a == "--no-pty") {
      o.pty = false;
    } else if (a == "--pty-link" && v) {
      o.ptyLink = v;
      ++i;
    } else if (a == "--no-pace") {
      o.pace = false;
    } else if (a == "--discovery-port") {
      needInt(o.discoveryPort);
    } else if (a == "--state" && v) {
      o.stateDir = v;
      ++i;
    } else if (a == "--width") {
      optInt(o.width);
    } else if (a == "--height") {
      optInt(o.height);
    } else if (a == "--model") {
      optInt(o.model);
    } else if (a == "--first-version") {
      o.features = 0;
    } else if (a == "--baud") {
      optInt(o.baud);
    } else if (a == "--display") {
      display = true;
    } else if (a == "--zoom") {
      needInt(zoom);
      if (zoom < 1 || zoom > 64) {
        std::fprintf(stderr, "signsim: --zoom must be 1 ... 64\n");
        return 2;
      }
    } else if (a == "--plain") {
      plain = true;
    } else if (a == "--snapshot-dir" && v) {
      snapshotDir = v;
      ++i;
    } else if (a == "--snapshot-after" && i + 2 < argc) {
      needInt(snapshotAfter);
      snapshotFile = argv[++i];
      display = true;
      if (snapshotAfter < 0) {
        std::fprintf(stderr, "signsim: --snapshot-after needs a time of 0 ms or more\n");
        return 2;
      }
    } else if (a == "--fault" && v) {
      std::string faultText = v;
      ++i;
      int cmd = -1;
      size_t eq = faultText.find('=');
      if (eq != std::string::npos) {
        std::string name = faultText.substr(0, eq);
        faultText = faultText.substr(eq + 1);
        if (auto c = nq::commandByName(name))
          cmd = *c;
        else if (!intArg(name.c_str(), cmd)) {
          std::fprintf(stderr, "signsim: unknown command %s\n", name.c_str());
          return 2;
        }
      }
      auto f = signsim::parseFault(faultText);
      if (!f) {
        std::fprintf(stderr, "signsim: bad fault %s\n", faultText.c_str());
        return 2;
      }
      faults.emplace_back(cmd, *f);
    } else {
      std::fprintf(stderr, "signsim: unknown option %s\n", a.c_str());
      usage();
      return 2;
    }
  }
#ifndef SIGNSIM_WITH_DISPLAY
  if (display) {
    std::fprintf(stderr, "signsim: built without the display\n");
    return 2;
  }
#endif
  if (o.baud && !nq::isListedBaud(*o.baud)) {
    std::fprintf(stderr, "signsim: --baud must be one of 1200 ... 115200\n");
    return 2;
  }
  if (o.model && !signsim::validModel(*o.model)) {
    std::fprintf(stderr, "signsim: --model must be %d ... %d\n", signsim::kFirstModel,
                 signsim::kLastModel);
    return 2;
  }
  const int model = o.model.value_or(signsim::kLastModel);
  if ((o.width && !signsim::validSignSize(model, *o.width, 1)) ||
      (o.height && !signsim::validSignSize(model, 1, *o.height))) {
    std::fprintf(stderr, "signsim: --width must be 1 ... %d, --height 1 ... %d (64 for model 1)\n",
                 nq::kMaxProgramWidth, nq::kMaxProgramHeight);
    return 2;
  }
  struct sigaction sa {};
  sa.sa_handler = onSignal;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);

  signsim::Card card(o);
  for (const auto& [cmd, f] : faults) card.faults().set(cmd, f);
  std::string err;
  if (!card.start(&err)) {
    std::fprintf(stderr, "signsim: %s\n", err.c_str());
    return 1;
  }
  std::printf("signsim ready tcp=%d pty=%s discovery=%d\n", card.tcpPort(),
              card.ptyPath().empty() ? "-" : card.ptyPath().c_str(), card.discoveryPort());
  if (!o.ptyLink.empty()) std::printf("signsim pty-link=%s\n", o.ptyLink.c_str());
  std::fflush(stdout);
  int rc = 0;
#ifdef SIGNSIM_WITH_DISPLAY
  if (display) {
    signsim::DisplayOptions d;
    d.zoom = zoom;
    d.plain = plain;
    d.snapshotDir = QString::fromLocal8Bit(snapshotDir.c_str());
    d.snapshotAfterMs = snapshotAfter;
    d.snapshotFile = QString::fromLocal8Bit(snapshotFile.c_str());
    rc = signsim::runDisplay(argv[0], card, d, [] { return gStop != 0; });
  }
#endif
  while (!display && !gStop) ::pause();
  card.stop();
  return rc;
}

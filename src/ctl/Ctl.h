#pragma once
// The command-line tool's frame: what every command shares (the home and its lock, the link and
// its settings, the output), its exit codes, and the failures that end a command.

#include <QCommandLineParser>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "CommSettings.h"
#include "ControllerLink.h"

class HomeLock;
class LinkLibraries;
class ProgramStore;

namespace ctl {

// The exit codes, as --help and the README list them.
enum ExitCode { Success = 0, ControllerFailed = 1, BadInput = 2, HomeLocked = 3 };

// Ends the command: the text goes to stderr, the process exits with the code.
struct Exit {
  int code;
  QString message;
};
[[noreturn]] inline void fail(int code, const QString& message) { throw Exit{code, message}; }
[[noreturn]] inline void badInput(const QString& message) { fail(BadInput, message); }
// A link call that did not return 0: names the call's Chinese result text and the code.
[[noreturn]] void controllerFailed(const QString& what, int code);

class Context {
 public:
  Context();
  ~Context();
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  // Set by the global options before a command runs.
  QString homeOverride;                 // --home
  std::optional<QString> netOverride;   // --net HOST[:PORT]
  std::optional<QString> serialDevice;  // --serial DEVICE
  std::optional<int> baud;              // --baud N
  std::optional<int> timeoutMs;         // --timeout MS
  bool json = false;                    // --json
  // --shared-home: the home is a copy only read by several processes at once (a send to many
  // signs): no lock is taken, and a command that would take it refuses.
  bool sharedHome = false;

  // Results on stdout, messages on stderr.
  QTextStream& out() { return out_; }
  QTextStream& err() { return err_; }

  // The home, resolved as the editor resolves it.
  QString home();
  // Takes the home's lock, once, for the rest of the process; exit 3 while another process
  // (an editor, another ledsignctl) holds it.
  void lockHome();
  // The program store of the home, under its lock. The library is never wiped here.
  ProgramStore& store();
  // The store for a command that only reads it: under the lock too, except on a shared home.
  ProgramStore& readStore();
  // The link settings: the home's set.ini (read under the lock), with --net, --serial, --baud
  // and --timeout taking precedence for this call only; nothing is written.
  const CommSettings& settings();
  Transport transport() { return settings().serial() ? Transport::Serial : Transport::Net; }
  // The link libraries beside the executable; exit 2 when the one needed is missing.
  ControllerLink& link();
  // Opens the link as settings() says; exit 1 naming the result code when it fails. The
  // destructor closes it.
  void connect();
  bool connected() const { return connected_; }

 private:
  QTextStream out_;
  QTextStream err_;
  std::optional<QString> home_;
  std::unique_ptr<HomeLock> lock_;
  std::unique_ptr<ProgramStore> store_;
  std::optional<CommSettings> settings_;
  std::unique_ptr<LinkLibraries> link_;
  bool connected_ = false;
};

// One command: its name, its one-line summary for the tool's --help, and how it runs. `args`
// starts with the command's name; run() parses them with parseCommand().
struct Command {
  QString name;
  QString summary;
  std::function<int(Context&, const QStringList& args)> run;
};

// Parses a command's arguments. --help prints the command's help and exits 0; an unknown option,
// a missing value or a wrong number of positional arguments ends with exit 2.
void parseCommand(Context& ctx, QCommandLineParser& parser, const QStringList& args,
                  const QString& description, int minPositional, int maxPositional);

// "HOST[:PORT]" of --net: the host, and the port when one is given (exit 2 when it is
// not 1..65535).
void splitHostPort(const QString& text, QString& host, int& port);

// A decimal integer in [low, high], or exit 2 naming what it is.
int intArgument(const QString& text, int low, int high, const QString& what);

// The sign's size as the controller reports it (connects first); exit 1 when the read fails or
// the size is outside 1 .. 4096 a side.
QSize signSize(Context& ctx);

// The commands, by group; each group lives in its own file.
std::vector<Command>
libraryCommands();  // list, add, set-program, delete, clear, export, import, render
std::vector<Command>
linkCommands();  // status, send, fetch, get, set, io, upgrade, reboot, format, discover
std::vector<Command> pictureCommands();  // convert
std::vector<Command> fleetCommands();    // sign, fleet

// Reaches the sign of the home's sign list by that name: sets the link options as --net or
// --serial and --baud would; exit 2 when the list has no such sign.
void useSign(Context& ctx, const QString& name);

}  // namespace ctl

// The sign list and the commands on many signs at once: sign add|remove|list, fleet status|send.
// Every job on a sign runs in its own child ledsignctl (the link libraries hold one link per
// process); a fleet send reads a copy of the library taken under the home's lock, so the home is
// only read.
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <set>

#include "CommSettings.h"
#include "Ctl.h"
#include "FleetRunner.h"
#include "HomeLock.h"
#include "LibrarySnapshot.h"
#include "LinkCommandsInternal.h"
#include "ProgramStore.h"
#include "SignList.h"

namespace ctl {

namespace {

void printJsonLine(Context& ctx, const QJsonObject& o) {
  ctx.out() << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
  ctx.out().flush();
}

// The home's sign list; the reader's message (a missing or damaged file) goes to stderr, except
// that a missing file is no news to a command that is about to write the first sign.
std::vector<SignEntry> loadSigns(Context& ctx, bool adding = false) {
  LoadedSignList loaded = SignList::load(ctx.home());
  if (!loaded.message.isEmpty() && !(adding && loaded.missing))
    ctx.err() << "ledsignctl: " << loaded.message << '\n';
  ctx.err().flush();
  return std::move(loaded.signs);
}

// A subcommand's arguments as parseCommand takes them: "sign add" names it in the help.
QStringList subcommandArgs(const QStringList& args) {
  return QStringList{args.value(0) + QLatin1Char(' ') + args.value(1)} + args.mid(2);
}

// ---- sign ----

QJsonObject signJson(const SignEntry& s) {
  QJsonObject o{
      {QStringLiteral("name"), s.name},
      {QStringLiteral("transport"), s.serial ? QStringLiteral("serial") : QStringLiteral("net")}};
  if (s.serial) {
    o.insert(QStringLiteral("device"), s.device);
    o.insert(QStringLiteral("baud"), s.baud);
  } else {
    o.insert(QStringLiteral("host"), s.host);
    o.insert(QStringLiteral("port"), s.port);
  }
  if (s.expectedSize.isValid()) {
    o.insert(QStringLiteral("width"), s.expectedSize.width());
    o.insert(QStringLiteral("height"), s.expectedSize.height());
  }
  return o;
}

int runSignAdd(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  const QCommandLineOption net(
      QStringLiteral("net"),
      QCoreApplication::translate("ledsignctl", "经TCP/IP连接 (over TCP/IP)."),
      QStringLiteral("HOST[:PORT]"));
  const QCommandLineOption serial(
      QStringLiteral("serial"),
      QCoreApplication::translate("ledsignctl", "经串口连接 (over a serial line)."),
      QStringLiteral("DEVICE"));
  const QCommandLineOption baud(
      QStringLiteral("baud"),
      QCoreApplication::translate("ledsignctl", "串口波特率，默认115200 (serial speed)."),
      QStringLiteral("N"));
  const QCommandLineOption size(
      QStringLiteral("size"),
      QCoreApplication::translate("ledsignctl", "大屏应有的宽×高 (the size the sign should have)."),
      QStringLiteral("WxH"));
  for (const auto* o : {&net, &serial, &baud, &size}) parser.addOption(*o);
  parser.addPositionalArgument(QStringLiteral("NAME"),
                               QCoreApplication::translate("ledsignctl", "大屏的名称。"));
  parseCommand(
      ctx, parser, subcommandArgs(args),
      QCoreApplication::translate("ledsignctl",
                                  "在大屏列表中加入一个大屏：--net HOST[:PORT] 或 --serial DEVICE "
                                  "[--baud N]。"),
      1, 1);
  if (parser.isSet(net) == parser.isSet(serial))
    badInput(QCoreApplication::translate("ledsignctl", "sign add 需要 --net 或 --serial 之一"));
  SignEntry sign;
  sign.name = parser.positionalArguments().front();
  sign.serial = parser.isSet(serial);
  if (sign.serial) {
    sign.device = parser.value(serial);
    if (parser.isSet(baud)) sign.baud = intArgument(parser.value(baud), 1, 4000000, "--baud");
  } else {
    if (parser.isSet(baud))
      badInput(QCoreApplication::translate("ledsignctl", "--baud 只用于 --serial"));
    splitHostPort(parser.value(net), sign.host, sign.port);
  }
  if (parser.isSet(size)) {
    const QStringList wh = parser.value(size).split(QRegularExpression(QStringLiteral("[x×X*]")));
    if (wh.size() != 2)
      badInput(QCoreApplication::translate("ledsignctl", "--size 应为 宽x高，例如 320x64"));
    sign.expectedSize =
        QSize(intArgument(wh[0], 1, 4096, QCoreApplication::translate("ledsignctl", "--size 宽")),
              intArgument(wh[1], 1, 4096, QCoreApplication::translate("ledsignctl", "--size 高")));
  }
  ctx.lockHome();
  std::vector<SignEntry> signs = loadSigns(ctx, true);
  if (const QString why = SignList::validate(sign, signs); !why.isEmpty()) badInput(why);
  signs.push_back(sign);
  SignList::save(ctx.home(), signs);
  return Success;
}

int runSignRemove(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("NAME"),
                               QCoreApplication::translate("ledsignctl", "大屏的名称。"));
  parseCommand(ctx, parser, subcommandArgs(args),
               QCoreApplication::translate("ledsignctl", "从大屏列表中删除一个大屏。"), 1, 1);
  const QString name = parser.positionalArguments().front();
  ctx.lockHome();
  std::vector<SignEntry> signs = loadSigns(ctx);
  const auto it =
      std::find_if(signs.begin(), signs.end(), [&](const SignEntry& s) { return s.name == name; });
  if (it == signs.end())
    badInput(QCoreApplication::translate("ledsignctl", "大屏列表中没有“%1”").arg(name));
  signs.erase(it);
  SignList::save(ctx.home(), signs);
  return Success;
}

int runSignList(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parseJsonCommand(ctx, parser, subcommandArgs(args),
                   QCoreApplication::translate("ledsignctl", "列出大屏列表。"), 0, 0);
  const std::vector<SignEntry> signs = loadSigns(ctx);
  if (ctx.json) {
    QJsonArray list;
    for (const SignEntry& s : signs) list.append(signJson(s));
    ctx.out() << QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)) << '\n';
    return Success;
  }
  for (const SignEntry& s : signs) {
    ctx.out() << s.name << '\t' << s.linkText();
    if (s.expectedSize.isValid())
      ctx.out() << '\t' << s.expectedSize.width() << QStringLiteral("×") << s.expectedSize.height();
    ctx.out() << '\n';
  }
  return Success;
}

int runSign(Context& ctx, const QStringList& args) {
  const QString sub = args.value(1);
  if (sub == QLatin1String("add")) return runSignAdd(ctx, args);
  if (sub == QLatin1String("remove")) return runSignRemove(ctx, args);
  if (sub == QLatin1String("list")) return runSignList(ctx, args);
  if (sub == QLatin1String("--help") || sub == QLatin1String("-h")) {
    ctx.out() << QCoreApplication::translate(
        "ledsignctl",
        "用法: ledsignctl sign add NAME --net HOST[:PORT] | --serial DEVICE [--baud N] [--size "
        "WxH]\n"
        "      ledsignctl sign remove NAME\n"
        "      ledsignctl sign list [--json]\n"
        "大屏列表保存在节目库文件夹的 signs.ini 中。\n");
    return Success;
  }
  badInput(QCoreApplication::translate("ledsignctl",
                                       "sign 需要 add、remove 或 list，见 ledsignctl sign --help"));
}

// ---- fleet ----

std::atomic<int> fleetInterrupts{0};
extern "C" void onFleetInterrupt(int) {
  if (fleetInterrupts.fetch_add(1) == 0) return;
  ::_exit(130);
}

// The signs named, in the list's order, or all; exit 2 naming one the list does not have.
std::vector<SignEntry> chosenSigns(Context& ctx, const QStringList& names) {
  std::vector<SignEntry> signs = loadSigns(ctx);
  if (signs.empty())
    badInput(
        QCoreApplication::translate("ledsignctl", "大屏列表为空，见 ledsignctl sign add --help"));
  if (names.isEmpty()) return signs;
  const std::set<QString> wanted(names.begin(), names.end());
  for (const QString& n : wanted)
    if (std::none_of(signs.begin(), signs.end(), [&](const SignEntry& s) { return s.name == n; }))
      badInput(QCoreApplication::translate("ledsignctl", "大屏列表中没有“%1”").arg(n));
  std::erase_if(signs, [&](const SignEntry& s) { return !wanted.count(s.name); });
  return signs;
}

QString statusDetail(const SignStatus& s) {
  QString text = QCoreApplication::translate("ledsignctl", "%1×%2 型号%3 节目数%4 版本%5")
                     .arg(s.size.width())
                     .arg(s.size.height())
                     .arg(s.model)
                     .arg(s.programs)
                     .arg(s.version);
  if (s.clockOffsetS)
    text += QCoreApplication::translate("ledsignctl", " 时差%1%2秒")
                .arg(*s.clockOffsetS >= 0 ? QStringLiteral("+") : QString())
                .arg(*s.clockOffsetS);
  return text + QCoreApplication::translate("ledsignctl", " 亮度%1").arg(s.brightness);
}

const char* resultKey(JobResult r) {
  switch (r) {
    case JobResult::Succeeded:
      return "succeeded";
    case JobResult::Failed:
      return "failed";
    case JobResult::Refused:
      return "refused";
    case JobResult::Crashed:
      return "crashed";
    case JobResult::TimedOut:
      return "timed_out";
    case JobResult::NotStarted:
      return "not_started";
  }
  return "";
}

struct FleetRun {
  Context& ctx;
  const std::vector<SignEntry>& signs;
  int programs = 0;  // a send's program count, for its lines
  int succeeded = 0;
  int failed = 0;

  void report(int k, const JobOutcome& o) {
    const SignEntry& s = signs[size_t(k)];
    (o.result == JobResult::Succeeded ? succeeded : failed) += 1;
    if (ctx.json) {
      QJsonObject line{{QStringLiteral("name"), s.name},
                       {QStringLiteral("link"), s.linkText()},
                       {QStringLiteral("result"), QLatin1String(resultKey(o.result))},
                       {QStringLiteral("elapsed_ms"), o.elapsedMs}};
      if (!o.reason.isEmpty()) line.insert(QStringLiteral("reason"), o.reason);
      if (o.status) {
        const SignStatus& st = *o.status;
        line.insert(QStringLiteral("width"), st.size.width());
        line.insert(QStringLiteral("height"), st.size.height());
        line.insert(QStringLiteral("model"), st.model);
        line.insert(QStringLiteral("programs"), st.programs);
        line.insert(QStringLiteral("version"), st.version);
        line.insert(QStringLiteral("clock"), st.clock);
        line.insert(QStringLiteral("clock_offset_s"),
                    st.clockOffsetS ? QJsonValue(*st.clockOffsetS) : QJsonValue());
        line.insert(QStringLiteral("brightness"), st.brightness);
      }
      printJsonLine(ctx, line);
      return;
    }
    QString detail = o.status ? statusDetail(*o.status) : o.reason;
    if (detail.isEmpty() && programs > 0)
      detail = QCoreApplication::translate("ledsignctl", "%n个节目", nullptr, programs);
    ctx.out() << QStringLiteral("%1  %2  %3 s  %4\n")
                     .arg(s.name, jobResultText(o.result))
                     .arg(o.elapsedMs / 1000.0, 0, 'f', 2)
                     .arg(detail);
    ctx.out().flush();
  }

  // A sign whose job was dropped by Ctrl-C before it started.
  void dropped(int k) {
    const SignEntry& s = signs[size_t(k)];
    failed += 1;
    if (ctx.json)
      printJsonLine(ctx, QJsonObject{{QStringLiteral("name"), s.name},
                                     {QStringLiteral("link"), s.linkText()},
                                     {QStringLiteral("result"), QStringLiteral("cancelled")}});
    else
      ctx.out() << QCoreApplication::translate("ledsignctl", "%1  已取消\n").arg(s.name);
    ctx.out().flush();
  }

  int summary() {
    if (!ctx.json)
      ctx.out() << QCoreApplication::translate("ledsignctl", "共%n个大屏：%1个成功，%2个失败\n",
                                               nullptr, succeeded + failed)
                       .arg(succeeded)
                       .arg(failed);
    return failed == 0 ? Success : ControllerFailed;
  }
};

const QCommandLineOption& jobsOption() {
  static const QCommandLineOption option(
      QStringLiteral("jobs"),
      QCoreApplication::translate("ledsignctl", "同时进行的大屏数，默认8 (signs at once)."),
      QStringLiteral("N"), QStringLiteral("8"));
  return option;
}

// Runs a job of `kind` on every sign not already reported, at most --jobs at once, and reports
// each as it finishes.
int runFleet(Context& ctx, FleetRun& run, const std::vector<bool>& skip, FleetJobKind kind,
             int jobs, const LibrarySnapshot* library) {
  FleetRunner::Options options;
  options.program = QCoreApplication::applicationFilePath();
  options.jobs = jobs;
  if (library) options.useLibrary(*library);
  options.home = ctx.home();
  options.linkTimeoutMs = ctx.timeoutMs.value_or(
      CommSettings::load(QDir(ctx.home()).filePath(QStringLiteral("set.ini"))).TimeoutMs);
  FleetRunner runner(options);
  QEventLoop loop;
  QObject::connect(&runner, &FleetRunner::jobFinished, &loop,
                   [&run](int k, const JobOutcome& o) { run.report(k, o); });
  QObject::connect(&runner, &FleetRunner::jobDropped, &loop, [&run](int k) { run.dropped(k); });
  QObject::connect(&runner, &FleetRunner::idle, &loop, &QEventLoop::quit);
  // The first Ctrl-C drops the signs not yet started; the running ones finish and report.
  fleetInterrupts = 0;
  struct sigaction action {
  }, previous{};
  action.sa_handler = onFleetInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, &previous);
  QTimer interrupts;
  QObject::connect(&interrupts, &QTimer::timeout, &loop, [&] {
    if (fleetInterrupts.load() == 0 || runner.pendingCount() == 0) return;
    ctx.err() << "ledsignctl: "
              << QCoreApplication::translate(
                     "ledsignctl",
                     "未开始的大屏已取消，进行中的会先完成；再按一次 Ctrl-C 立即结束。")
              << '\n';
    ctx.err().flush();
    runner.cancelPending();
  });
  interrupts.start(100);
  bool any = false;
  for (size_t k = 0; k < run.signs.size(); ++k) {
    if (skip[k]) continue;
    runner.enqueue(int(k), run.signs[k], kind);
    any = true;
  }
  if (any && runner.busy()) loop.exec();
  ::sigaction(SIGINT, &previous, nullptr);
  return run.summary();
}

// The options both fleet commands take: --json, --jobs N and the signs' names (all when none).
struct FleetArgs {
  int jobs = 8;
  std::vector<SignEntry> signs;
};

FleetArgs parseFleetCommand(Context& ctx, const QStringList& args, const QString& description) {
  QCommandLineParser parser;
  parser.addOption(jobsOption());
  parser.addPositionalArgument(
      QStringLiteral("NAME"),
      QCoreApplication::translate("ledsignctl", "大屏的名称；不给时为全部。"),
      QStringLiteral("[NAME…]"));
  parseJsonCommand(ctx, parser, subcommandArgs(args),
                   description + QLatin1Char('\n') +
                       QCoreApplication::translate("ledsignctl", "全部成功时退出码为0，否则为1。"),
                   0, -1);
  return {intArgument(parser.value(jobsOption()), 1, 64, "--jobs"),
          chosenSigns(ctx, parser.positionalArguments())};
}

int runFleetStatus(Context& ctx, const QStringList& args) {
  const FleetArgs fleet = parseFleetCommand(
      ctx, args,
      QCoreApplication::translate("ledsignctl",
                                  "同时查询多个大屏的状态，每个大屏完成时输出一行，最后是汇总。"));
  FleetRun run{ctx, fleet.signs};
  return runFleet(ctx, run, std::vector<bool>(fleet.signs.size(), false), FleetJobKind::Status,
                  fleet.jobs, nullptr);
}

int runFleetSend(Context& ctx, const QStringList& args) {
  const FleetArgs fleet =
      parseFleetCommand(ctx, args,
                        QCoreApplication::translate(
                            "ledsignctl",
                            "把节目库同时发送到多个大屏，每个大屏完成时输出一行，最后是汇总。\n"
                            "节目大小与大屏不符或控制卡型号不能显示的大屏不发送。"));
  const std::vector<SignEntry>& signs = fleet.signs;
  // One copy of the library for every sign, read under the home's lock, which is let go at once.
  std::unique_ptr<LibrarySnapshot> snapshot;
  {
    HomeLock lock(ctx.home());
    if (!ctx.sharedHome && !lock.tryLock()) fail(HomeLocked, lock.refusal());
    snapshot = LibrarySnapshot::take(ProgramStore(ctx.home()));
  }
  FleetRun run{ctx, signs, snapshot->count()};
  std::vector<bool> skip(signs.size(), false);
  for (size_t k = 0; k < signs.size(); ++k) {
    if (!signs[k].expectedSize.isValid()) continue;
    const QString why = snapshot->sizeMismatch(signs[k].expectedSize);
    if (why.isEmpty()) continue;
    skip[k] = true;
    JobOutcome o;
    o.result = JobResult::Refused;
    o.reason = why;
    run.report(int(k), o);
  }
  return runFleet(ctx, run, skip, FleetJobKind::Send, fleet.jobs, snapshot.get());
}

int runFleetCommand(Context& ctx, const QStringList& args) {
  const QString sub = args.value(1);
  if (ctx.netOverride || ctx.serialDevice)
    badInput(QCoreApplication::translate(
        "ledsignctl", "fleet 使用大屏列表，不能与 --net、--serial 或 --sign 同用"));
  if (sub == QLatin1String("status")) return runFleetStatus(ctx, args);
  if (sub == QLatin1String("send")) return runFleetSend(ctx, args);
  if (sub == QLatin1String("--help") || sub == QLatin1String("-h")) {
    ctx.out() << QCoreApplication::translate(
        "ledsignctl",
        "用法: ledsignctl fleet status [--json] [--jobs N] [NAME…]\n"
        "      ledsignctl fleet send [--json] [--jobs N] [NAME…]\n"
        "对大屏列表中的多个大屏同时操作，每个大屏在自己的进程中进行；\n"
        "全部成功时退出码为0，否则为1。\n");
    return Success;
  }
  badInput(QCoreApplication::translate("ledsignctl",
                                       "fleet 需要 status 或 send，见 ledsignctl fleet --help"));
}

}  // namespace

void useSign(Context& ctx, const QString& name) {
  const std::vector<SignEntry> signs = loadSigns(ctx);
  for (const SignEntry& s : signs) {
    if (s.name != name) continue;
    if (s.serial) {
      ctx.serialDevice = s.device;
      ctx.baud = s.baud;
    } else {
      ctx.netOverride = QStringLiteral("%1:%2").arg(s.host).arg(s.port);
    }
    return;
  }
  badInput(QCoreApplication::translate("ledsignctl", "大屏列表中没有“%1”，见 ledsignctl sign list")
               .arg(name));
}

std::vector<Command> fleetCommands() {
  return {
      {QStringLiteral("sign"),
       QCoreApplication::translate(
           "ledsignctl", "大屏列表：add、remove、list (the sign list: add, remove, list)"),
       runSign},
      {QStringLiteral("fleet"),
       QCoreApplication::translate(
           "ledsignctl", "同时对多个大屏：status、send (many signs at once: status, send)"),
       runFleetCommand},
  };
}

}  // namespace ctl

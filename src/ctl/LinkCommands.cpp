// The commands that talk to the controller: status, send, fetch, upgrade, reboot, format,
// discover (get, set and io live in ParamCommands.cpp).
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>
#include <memory>

#include "Ctl.h"
#include "FirmwareImage.h"
#include "LibrarySnapshot.h"
#include "LinkCommandsInternal.h"
#include "LinkTransfer.h"
#include "ParamRules.h"
#include "ProgramLimits.h"
#include "ProgramStore.h"
#include "SendRecord.h"
#include "protocol/Limits.h"

namespace ctl {

namespace {

// Programs of the home: Program/0.bmp, 1.bmp … up to the first gap, at most 255.
int homeProgramCount(const ProgramStore& store) {
  int n = 0;
  while (n < ProgramStore::MaxPrograms && QFile::exists(store.picturePath(n))) ++n;
  return n;
}

void printJson(Context& ctx, const QJsonValue& value) {
  const QByteArray text = value.isArray()
                              ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                              : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
  ctx.out() << QString::fromUtf8(text) << '\n';
}

void say(Context& ctx, const QString& text) { ctx.err() << text << '\n'; }

// --json-progress, shared by send, fetch and upgrade.
const QCommandLineOption& jsonProgressOption() {
  static const QCommandLineOption option(
      QStringLiteral("json-progress"),
      QCoreApplication::translate(
          "ledsignctl", "进度以JSON逐行输出到标准输出 (progress as one JSON object per line)."));
  return option;
}

TransferOutput transferOutput(const QCommandLineParser& parser, const QString& verb) {
  return TransferOutput{parser.isSet(jsonProgressOption()), verb};
}

int controllerModel(Context& ctx) {
  const int model = ctx.link().Type(ctx.transport());
  if (model < 0)
    controllerFailed(QCoreApplication::translate("ledsignctl", "获取LED控制卡型号失败"), model);
  return model;
}

int controllerProgramCount(Context& ctx) {
  const int count = ctx.link().ProgramNumber(ctx.transport());
  if (count < 0)
    controllerFailed(QCoreApplication::translate("ledsignctl", "获取节目数失败"), count);
  return count;
}

// ---- status ----

int runStatus(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parseJsonCommand(ctx, parser, args,
                   QCoreApplication::translate(
                       "ledsignctl",
                       "连接控制卡，显示屏幕宽高、型号、节目数、版本、时间及与本机的时差、"
                       "亮度和开关时间。\n"
                       "clock_offset_s：控制卡时间减本机时间（秒），正数表示控制卡快。"),
                   0, 0);
  const QSize size = signSize(ctx);
  const int model = controllerModel(ctx);
  const int programs = controllerProgramCount(ctx);
  const QString version = readText(ctx, &ControllerLink::GetVersion, params::kVersionBytes);
  const QString clock = readText(ctx, &ControllerLink::GetTime, params::kClockBytes);
  const QDateTime pcNow = QDateTime::currentDateTime();
  const int brightness = readBrightness(ctx);
  const std::array<int, 4> onOff = readOnOff(ctx);

  const QDateTime cardTime = QDateTime::fromString(clock, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  const QJsonValue offset =
      cardTime.isValid() ? QJsonValue(qint64(pcNow.secsTo(cardTime))) : QJsonValue();
  const QString on = hourMinute(onOff[0], onOff[1]);
  const QString off = hourMinute(onOff[2], onOff[3]);
  if (ctx.json) {
    printJson(ctx, QJsonObject{{QStringLiteral("width"), size.width()},
                               {QStringLiteral("height"), size.height()},
                               {QStringLiteral("model"), model},
                               {QStringLiteral("programs"), programs},
                               {QStringLiteral("version"), version},
                               {QStringLiteral("clock"), clock},
                               {QStringLiteral("clock_offset_s"), offset},
                               {QStringLiteral("brightness"), brightness},
                               {QStringLiteral("on"), on},
                               {QStringLiteral("off"), off}});
    return Success;
  }
  QTextStream& o = ctx.out();
  o << QCoreApplication::translate(
           "ledsignctl", "屏宽:     %1\n屏高:     %2\n型号:     %3\n节目数:   %4\n版本:     %5\n")
           .arg(size.width())
           .arg(size.height())
           .arg(model)
           .arg(programs)
           .arg(version);
  o << QCoreApplication::translate("ledsignctl", "时间:     %1").arg(clock);
  if (cardTime.isValid()) {
    const qint64 seconds = offset.toInteger();
    o << (seconds >= 0 ? QCoreApplication::translate("ledsignctl", " (比本机快 %1 秒)")
                       : QCoreApplication::translate("ledsignctl", " (比本机慢 %1 秒)"))
             .arg(qAbs(seconds));
  }
  o << '\n'
    << QCoreApplication::translate("ledsignctl", "亮度:     %1\n开启时间: %2\n关闭时间: %3\n")
           .arg(brightness)
           .arg(on, off);
  return Success;
}

// ---- send / fetch ----

int runSend(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption(jsonProgressOption());
  const QCommandLineOption checkSize(
      QStringLiteral("check-size"),
      QCoreApplication::translate(
          "ledsignctl",
          "每个节目的大小须与控制卡报告的屏幕大小相同，否则不发送 (refuse a library "
          "made for another sign size)."));
  parser.addOption(checkSize);
  // A send to many signs checks its copy of the library once for each model, not once per sign.
  QCommandLineOption checkedModels(
      QStringLiteral("checked-models"),
      QCoreApplication::translate("ledsignctl",
                                  "节目库已按这些型号检查过 (the library, a shared "
                                  "copy, was checked for these models)."),
      QStringLiteral("M,N"));
  checkedModels.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(checkedModels);
  parseCommand(ctx, parser, args,
               QCoreApplication::translate(
                   "ledsignctl", "把节目库的全部节目发送到控制卡，先按控制卡型号检查每个节目。"),
               0, 0);
  ProgramStore& store = ctx.readStore();
  const int count = homeProgramCount(store);
  if (count == 0) badInput(QCoreApplication::translate("ledsignctl", "发送节目数目不能为0"));
  ctx.connect();
  if (parser.isSet(checkSize)) {
    std::vector<QSize> sizes;
    for (int k = 0; k < count; ++k) sizes.push_back(store.readPictureSize(k));
    if (const QString why = programSizeMismatch(sizes, signSize(ctx)); !why.isEmpty())
      badInput(why);
  }
  // Every program is checked as the card will read it before a byte goes out.
  const int model = controllerModel(ctx);
  const QStringList checked = parser.value(checkedModels).split(QLatin1Char(','));
  if (!ctx.sharedHome || !checked.contains(QString::number(model)))
    checkLibraryForSend(store, count, model);
  std::shared_ptr<ProgramSendRecord> record = buildSendRecord(store, count);
  ControllerLink& link = ctx.link();
  const Transport t = ctx.transport();
  const int r = runTransfer(
      ctx, transferOutput(parser, QCoreApplication::translate("ledsignctl", "发送", "progress")),
      [&link, t, record] { return link.ModProgram(t, record.get()); });
  if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "发送失败"), r);
  say(ctx, QCoreApplication::translate("ledsignctl", "发送成功"));
  return Success;
}

struct FetchResult {
  int count = 0;
  int result = 0;
};

int runFetch(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption(jsonProgressOption());
  parseCommand(
      ctx, parser, args,
      QCoreApplication::translate(
          "ledsignctl", "从控制卡获取全部节目，替换节目库（整体替换，失败时节目库不变）。"),
      0, 0);
  ProgramStore& store = ctx.store();
  ctx.connect();
  ControllerLink& link = ctx.link();
  const Transport t = ctx.transport();
  FetchResult fetched;
  runTransfer(ctx,
              transferOutput(parser, QCoreApplication::translate("ledsignctl", "获取", "progress")),
              [&] {
                fetched.count = link.ProgramNumber(t);
                // The size tables hold 255 programs: a larger count is never fetched.
                if (fetched.count >= 1 && fetched.count <= NQ_MAX_PROGRAMS)
                  fetched.result = link.GetProgram(t, fetched.count);
                return 0;
              });
  if (fetched.count < 0)
    controllerFailed(QCoreApplication::translate("ledsignctl", "获取节目数失败"), fetched.count);
  if (fetched.count == 0)
    fail(ControllerFailed, QCoreApplication::translate("ledsignctl", "节目数为0"));
  if (fetched.count > NQ_MAX_PROGRAMS)
    fail(ControllerFailed,
         QCoreApplication::translate("ledsignctl",
                                     "控制卡报告有%1个节目，超过节目表能容纳的255个，未获取")
             .arg(fetched.count));
  if (fetched.result != 0)
    controllerFailed(QCoreApplication::translate("ledsignctl", "获取节目失败"), fetched.result);
  // The rich texts of the replaced library describe other pictures.
  QStringList left;
  for (int k = 0; k < ProgramStore::MaxPrograms; ++k) {
    const QString path = store.rtfPath(k);
    if (QFile::exists(path) && !QFile::remove(path)) left << path;
  }
  say(ctx, QCoreApplication::translate("ledsignctl", "获取节目成功"));
  if (!left.isEmpty())
    say(ctx, QCoreApplication::translate("ledsignctl",
                                         "无法删除旧节目的文本文件，编辑这些节目前请先删除：\n%1")
                 .arg(left.join(QLatin1Char('\n'))));
  ctx.out() << fetched.count << '\n';
  return Success;
}

// ---- upgrade, reboot, format ----

int runUpgrade(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption(jsonProgressOption());
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QCoreApplication::translate("ledsignctl", "固件文件 (*.bin)。"));
  parseCommand(ctx, parser, args, QCoreApplication::translate("ledsignctl", "升级控制卡的固件。"),
               1, 1);
  const QString path = parser.positionalArguments().front();
  const bool overNet = ctx.transport() == Transport::Net;
  const FirmwareImage image = FirmwareImage::load(path, overNet);
  if (!image.ok()) badInput(image.refusal);
  ctx.connect();
  ControllerLink& link = ctx.link();
  const int r = runTransfer(
      ctx, transferOutput(parser, QCoreApplication::translate("ledsignctl", "升级", "progress")),
      [&link, overNet, path, bytes = image.bytes] {
        return overNet ? link.UpdateBytes(bytes) : link.UpdateFile(path);
      });
  if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "升级失败"), r);
  say(ctx, QCoreApplication::translate("ledsignctl", "升级成功"));
  return Success;
}

int runReboot(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parseCommand(ctx, parser, args, QCoreApplication::translate("ledsignctl", "重启控制卡。"), 0, 0);
  ctx.connect();
  const int r = ctx.link().Reboot(ctx.transport());
  if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "发送失败"), r);
  say(ctx, QCoreApplication::translate("ledsignctl", "发送成功"));
  return Success;
}

int runFormat(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  const QCommandLineOption yes(
      QStringLiteral("yes"),
      QCoreApplication::translate("ledsignctl", "不询问，直接格式化 (do not ask)."));
  parser.addOption(yes);
  parseCommand(ctx, parser, args,
               QCoreApplication::translate("ledsignctl", "格式化控制卡（删除卡上的全部节目）。"), 0,
               0);
  if (!parser.isSet(yes)) {
    if (::isatty(STDIN_FILENO) != 1)
      badInput(QCoreApplication::translate("ledsignctl",
                                           "格式化需要确认：标准输入不是终端，请加 --yes"));
    ctx.err() << QCoreApplication::translate("ledsignctl", "是否格式化LED大屏! [y/N] ");
    ctx.err().flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    if (answer != QLatin1String("y") && answer != QLatin1String("yes")) {
      say(ctx, QCoreApplication::translate("ledsignctl", "未格式化"));
      return Success;
    }
  }
  ctx.connect();
  const int r = ctx.link().Format(ctx.transport());
  if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "格式化失败"), r);
  say(ctx, QCoreApplication::translate("ledsignctl", "格式化成功"));
  return Success;
}

// ---- discover ----

template <size_t N>
QString slotText(const char (&field)[N]) {
  return QString::fromLocal8Bit(field, qsizetype(strnlen(field, N)));
}

int runDiscover(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addPositionalArgument(
      QStringLiteral("ADAPTER"),
      QCoreApplication::translate(
          "ledsignctl", "在这个网卡地址上查找控制卡；不给时只列出本机网卡，不发任何数据。"));
  parseJsonCommand(
      ctx, parser, args,
      QCoreApplication::translate("ledsignctl",
                                  "在本机的一个网卡上查找控制卡，列出其地址、掩码、网关和端口。"),
      0, 1);
  ControllerLink& link = ctx.link();
  std::array<NetCardEntry, 16> cards{};
  const int cardCount = std::clamp(link.GetNetCard(cards.data()), 0, 16);
  if (parser.positionalArguments().isEmpty()) {
    QJsonArray list;
    for (int k = 0; k < cardCount; ++k) {
      const QString address = slotText(cards[size_t(k)].address);
      if (address.isEmpty()) continue;
      const QString name = slotText(cards[size_t(k)].description);
      if (ctx.json)
        list.append(
            QJsonObject{{QStringLiteral("address"), address}, {QStringLiteral("name"), name}});
      else
        ctx.out() << address << ' ' << name << '\n';
    }
    if (ctx.json) printJson(ctx, list);
    return Success;
  }
  const QString chosen = parser.positionalArguments().front();
  int adapter = 0;
  for (int k = 0; k < cardCount && adapter == 0; ++k)
    if (slotText(cards[size_t(k)].address) == chosen) adapter = k + 1;
  if (adapter == 0)
    badInput(QCoreApplication::translate("ledsignctl",
                                         "本机没有地址为“%1”的网卡，见 ledsignctl discover")
                 .arg(chosen));
  if (const int r = link.SendArpPacket(adapter); r != 0)
    controllerFailed(QCoreApplication::translate("ledsignctl", "查询失败"), r);
  auto answers = std::make_unique<NetIpEntry[]>(1024);
  std::memset(answers.get(), 0, sizeof(NetIpEntry) * 1024);
  link.GetNetIP(answers.get());
  QJsonArray list;
  for (int k = 0; k < 255; ++k) {
    const NetIpEntry& e = answers[size_t(k)];
    const QString ip = slotText(e.ip);
    if (ip.isEmpty()) break;
    if (ctx.json)
      list.append(QJsonObject{{QStringLiteral("ip"), ip},
                              {QStringLiteral("mask"), slotText(e.mask)},
                              {QStringLiteral("gateway"), slotText(e.gateway)},
                              {QStringLiteral("port"), e.port}});
    else
      ctx.out() << ip << ' ' << slotText(e.mask) << ' ' << slotText(e.gateway) << ' ' << e.port
                << '\n';
  }
  if (ctx.json) printJson(ctx, list);
  return Success;
}

}  // namespace

// ---- shared with the parameter commands ----

const QCommandLineOption& jsonOption() {
  static const QCommandLineOption option(
      QStringLiteral("json"),
      QCoreApplication::translate("ledsignctl", "结果以JSON输出 (results as JSON)."));
  return option;
}

void parseJsonCommand(Context& ctx, QCommandLineParser& parser, const QStringList& args,
                      const QString& description, int minPositional, int maxPositional) {
  parser.addOption(jsonOption());
  parseCommand(ctx, parser, args, description, minPositional, maxPositional);
  if (parser.isSet(jsonOption())) ctx.json = true;
}

QString hourMinute(int hour, int minute) {
  return QStringLiteral("%1:%2")
      .arg(hour, 2, 10, QLatin1Char('0'))
      .arg(minute, 2, 10, QLatin1Char('0'));
}

QString readText(Context& ctx, QString (ControllerLink::*read)(Transport), int maxBytes) {
  ctx.connect();
  const QString raw = (ctx.link().*read)(ctx.transport());
  if (raw.isNull()) fail(ControllerFailed, QCoreApplication::translate("ledsignctl", "获取失败"));
  const QString text = params::boundedText(raw, maxBytes);
  // A text read reports link trouble by its status text.
  if (params::isLinkStatusText(text))
    fail(ControllerFailed, QCoreApplication::translate("ledsignctl", "获取失败：%1").arg(text));
  return text;
}

int readBrightness(Context& ctx) {
  ctx.connect();
  const int level = ctx.link().GetBrightnessPara(ctx.transport());
  if (level < 0) controllerFailed(QCoreApplication::translate("ledsignctl", "获取失败"), level);
  return level;
}

std::array<int, 4> readOnOff(Context& ctx) {
  const QString text = readText(ctx, &ControllerLink::GetOnOffTime, params::kOnOffBytes);
  const std::optional<std::array<int, 4>> numbers = params::parseOnOffText(text);
  if (!numbers)
    fail(ControllerFailed,
         QCoreApplication::translate("ledsignctl", "获取失败：开关时间“%1”无法识别").arg(text));
  return *numbers;
}

QSize signSize(Context& ctx) {
  ctx.connect();
  int width = 0;
  int height = 0;
  const int r = ctx.link().GetWidthHeight(ctx.transport(), &width, &height);
  if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "获取宽高失败"), r);
  if (width < 1 || width > nq::kMaxSignSide || height < 1 || height > nq::kMaxSignSide) {
    fail(ControllerFailed,
         QCoreApplication::translate("ledsignctl",
                                     "获取宽高失败：控制卡报告的屏幕尺寸无效（%1 × %2），"
                                     "每边应在 1 到 %3 之间")
             .arg(width)
             .arg(height)
             .arg(nq::kMaxSignSide));
  }
  return {width, height};
}

std::vector<Command> linkCommands() {
  std::vector<Command> commands = {
      {QStringLiteral("status"),
       QCoreApplication::translate("ledsignctl", "控制卡的状态 (the sign's size, model, clock …)"),
       runStatus},
      {QStringLiteral("send"),
       QCoreApplication::translate("ledsignctl", "发送全部节目 (send the whole library)"), runSend},
      {QStringLiteral("fetch"),
       QCoreApplication::translate("ledsignctl", "获取全部节目 (fetch the card's library)"),
       runFetch},
  };
  for (Command& c : paramCommands()) commands.push_back(std::move(c));
  commands.push_back({QStringLiteral("upgrade"),
                      QCoreApplication::translate("ledsignctl", "升级固件 (upgrade the firmware)"),
                      runUpgrade});
  commands.push_back({QStringLiteral("reboot"),
                      QCoreApplication::translate("ledsignctl", "重启控制卡 (reboot the card)"),
                      runReboot});
  commands.push_back({QStringLiteral("format"),
                      QCoreApplication::translate("ledsignctl", "格式化控制卡 (format the card)"),
                      runFormat});
  commands.push_back({QStringLiteral("discover"),
                      QCoreApplication::translate(
                          "ledsignctl", "在网卡上查找控制卡 (find cards on a network adapter)"),
                      runDiscover});
  return commands;
}

}  // namespace ctl

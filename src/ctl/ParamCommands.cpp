// get, set and io: the controller parameters of the parameter dialog and the input-line lists,
// under the rules of the parameter pages and of the input-line window. Every value is checked
// before the link is opened.
#include <QCoreApplication>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstring>
#include <optional>
#include <vector>

#include "GbkIni.h"
#include "LinkCommandsInternal.h"
#include "ParamRules.h"
#include "ProgramIoRules.h"
#include "protocol/Limits.h"

namespace ctl {

namespace {

const QStringList kNames = {
    QStringLiteral("size"),   QStringLiteral("brightness"), QStringLiteral("daynight"),
    QStringLiteral("onoff"),  QStringLiteral("clock"),      QStringLiteral("scan"),
    QStringLiteral("serial"), QStringLiteral("net"),        QStringLiteral("version")};
const QStringList kParities = {QStringLiteral("none"), QStringLiteral("even"),
                               QStringLiteral("odd")};
const QStringList kStopBits = {QStringLiteral("1"), QStringLiteral("2")};

const QCommandLineOption& rs485Option() {
  static const QCommandLineOption option(
      QStringLiteral("rs485"),
      QCoreApplication::translate("ledsignctl",
                                  "serial：RS485 口而不是 RS232 口（仅TCP/IP连接）。"));
  return option;
}

void expectValues(const QStringList& values, int n, const QString& usage) {
  if (values.size() != n)
    badInput(QCoreApplication::translate("ledsignctl", "参数个数不对：%1").arg(usage));
}

void requireNet(Context& ctx) {
  if (ctx.transport() != Transport::Net)
    badInput(QCoreApplication::translate("ledsignctl", "RS485 参数只能经TCP/IP连接读写"));
}

template <size_t N>
QString fieldText(const char (&field)[N]) {
  return GbkIni::fromGbk(QByteArray(field, qsizetype(strnlen(field, N))));
}

// A read's result code: exit 1 unless 0.
void readResult(int r) {
  if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "获取失败"), r);
}

// A change's result, as the pages report it.
int changeResult(Context& ctx, int r,
                 const QString& done = QCoreApplication::translate("ledsignctl", "修改成功"),
                 const QString& failed = QCoreApplication::translate("ledsignctl", "修改失败")) {
  if (r != 0) controllerFailed(failed, r);
  ctx.err() << done << '\n';
  return Success;
}

std::array<int, 2> hourMinuteArgument(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch())
    badInput(QCoreApplication::translate("ledsignctl", "时间应为 HH:MM，而不是“%1”").arg(text));
  return {intArgument(m.captured(1), 0, 23, QCoreApplication::translate("ledsignctl", "小时")),
          intArgument(m.captured(2), 0, 59, QCoreApplication::translate("ledsignctl", "分钟"))};
}

QByteArray addressArgument(const QString& text) {
  const QString trimmed = text.trimmed();
  const std::optional<QByteArray> bytes =
      params::IsValidAddressText(trimmed) ? params::addressFieldBytes(trimmed) : std::nullopt;
  if (!bytes)
    badInput(QCoreApplication::translate("ledsignctl", "数据格式无效：“%1”不是IPv4地址").arg(text));
  return *bytes;
}

void print(Context& ctx, const QString& text, const QJsonObject& json) {
  if (ctx.json)
    ctx.out() << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) << '\n';
  else
    ctx.out() << text << '\n';
}

// ---- get ----

int runGet(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption(rs485Option());
  parser.addPositionalArgument(QStringLiteral("NAME"), kNames.join(QLatin1Char('|')));
  parseJsonCommand(ctx, parser, args,
                   QCoreApplication::translate("ledsignctl",
                                               "读取控制卡的一个参数，输出格式与 set 的参数相同。"),
                   1, 1);
  const QString name = parser.positionalArguments().front();
  if (!kNames.contains(name))
    badInput(QCoreApplication::translate("ledsignctl", "未知的参数“%1”，可用：%2")
                 .arg(name, kNames.join(QLatin1Char(' '))));
  const bool rs485 = parser.isSet(rs485Option());
  if (rs485 && name != QLatin1String("serial"))
    badInput(QCoreApplication::translate("ledsignctl", "--rs485 只用于 serial"));
  if (rs485) requireNet(ctx);
  ctx.connect();
  ControllerLink& link = ctx.link();
  const Transport t = ctx.transport();

  if (name == QLatin1String("size")) {
    const QSize s = signSize(ctx);
    print(ctx, QStringLiteral("%1 %2").arg(s.width()).arg(s.height()),
          {{QStringLiteral("width"), s.width()}, {QStringLiteral("height"), s.height()}});
  } else if (name == QLatin1String("brightness")) {
    const int level = readBrightness(ctx);
    print(ctx, QString::number(level), {{QStringLiteral("brightness"), level}});
  } else if (name == QLatin1String("daynight")) {
    DayNightRecord levels{};
    readResult(link.GetDayNightBrightness(t, &levels));
    print(ctx, QStringLiteral("%1 %2").arg(levels.day).arg(levels.night),
          {{QStringLiteral("day"), levels.day}, {QStringLiteral("night"), levels.night}});
  } else if (name == QLatin1String("onoff")) {
    const std::array<int, 4> n = readOnOff(ctx);
    const QString on = hourMinute(n[0], n[1]);
    const QString off = hourMinute(n[2], n[3]);
    print(ctx, on + QLatin1Char(' ') + off,
          {{QStringLiteral("on"), on}, {QStringLiteral("off"), off}});
  } else if (name == QLatin1String("clock")) {
    QString text = readText(ctx, &ControllerLink::GetTime, params::kClockBytes);
    const QDateTime at = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (at.isValid()) text = at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    print(ctx, text, {{QStringLiteral("clock"), text}});
  } else if (name == QLatin1String("version")) {
    const QString text = readText(ctx, &ControllerLink::GetVersion, params::kVersionBytes);
    print(ctx, text, {{QStringLiteral("version"), text}});
  } else if (name == QLatin1String("scan")) {
    int flags = 0;
    const int code = link.GetScanPara(t, &flags);
    if (code < 0) controllerFailed(QCoreApplication::translate("ledsignctl", "获取失败"), code);
    const bool inverted = flags & params::kScanInverted;
    const bool oeHigh = flags & params::kScanOeHigh;
    const std::optional<params::ScanView> view = params::scanViewForCode(code);
    QString text = QString::number(code);
    if (inverted) text += QStringLiteral(" --inverted");
    if (oeHigh) text += QStringLiteral(" --oe-high");
    print(
        ctx, text,
        {{QStringLiteral("code"), code},
         {QStringLiteral("mode"), view ? params::scanModeEntries().value(view->entry) : QString()},
         {QStringLiteral("row_decoding"), view && view->rowDecoding},
         {QStringLiteral("inverted"), inverted},
         {QStringLiteral("oe_high"), oeHigh}});
  } else if (name == QLatin1String("serial")) {
    SerialParaRecord record{};
    readResult(rs485 ? link.Get485Para(&record) : link.GetSerialPara(t, &record));
    const params::SerialChoice c = params::serialChoiceAfterRead(record, {});
    const QString parity = kParities.value(c.parity, QString::number(record.parity));
    const QString stop = kStopBits.value(c.stopBits, QString::number(record.stopBits));
    print(ctx, QStringLiteral("%1 %2 %3").arg(record.baud).arg(parity, stop),
          {{QStringLiteral("baud"), record.baud},
           {QStringLiteral("parity"), parity},
           {QStringLiteral("data_bits"), 8},
           {QStringLiteral("stop_bits"), stop}});
  } else {  // net
    NetParaRecord record{};
    readResult(link.GetNetPara(t, &record));
    const QString ip = fieldText(record.ip);
    const QString mask = fieldText(record.mask);
    const QString gateway = fieldText(record.gateway);
    print(ctx, QStringLiteral("%1 %2 %3 %4").arg(ip, mask, gateway).arg(record.port),
          {{QStringLiteral("ip"), ip},
           {QStringLiteral("mask"), mask},
           {QStringLiteral("gateway"), gateway},
           {QStringLiteral("port"), record.port}});
  }
  return Success;
}

// ---- set ----

int runSet(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  const QCommandLineOption inverted(
      QStringLiteral("inverted"),
      QCoreApplication::translate("ledsignctl", "scan：数据信号反向。"));
  const QCommandLineOption oeHigh(QStringLiteral("oe-high"),
                                  QCoreApplication::translate("ledsignctl", "scan：OE高有效。"));
  parser.addOption(inverted);
  parser.addOption(oeHigh);
  parser.addOption(rs485Option());
  parser.addPositionalArgument(QStringLiteral("NAME"),
                               QCoreApplication::translate("ledsignctl", "参数名。"));
  parser.addPositionalArgument(QStringLiteral("VALUE"),
                               QCoreApplication::translate("ledsignctl", "参数值。"),
                               QStringLiteral("VALUE…"));
  parseCommand(ctx, parser, args,
               QCoreApplication::translate(
                   "ledsignctl",
                   "修改控制卡的一个参数：\n"
                   "  size W H                 屏宽和屏高 (1-4096)\n"
                   "  brightness N             亮度 (1-32)\n"
                   "  daynight DAY NIGHT       白天和晚上亮度 (1-32)\n"
                   "  onoff HH:MM HH:MM        开启和关闭时间\n"
                   "  clock now|YYYY-MM-DDTHH:MM:SS  校时\n"
                   "  scan CODE [--inverted] [--oe-high]  扫描方式 (get scan 的代码 0-15)\n"
                   "  serial BAUD none|even|odd 1|2 [--rs485]  串口参数\n"
                   "  net IP MASK GATEWAY PORT 网络参数"),
               2, -1);
  QStringList values = parser.positionalArguments();
  const QString name = values.takeFirst();
  if (!kNames.contains(name) || name == QLatin1String("version"))
    badInput(
        QCoreApplication::translate("ledsignctl", "未知或只读的参数“%1”，见 ledsignctl set --help")
            .arg(name));
  const Transport t = ctx.transport();
  // Each branch checks its values, and only then opens the link.
  auto open = [&]() -> ControllerLink& {
    ctx.connect();
    return ctx.link();
  };

  if (name == QLatin1String("size")) {
    expectValues(values, 2, QStringLiteral("set size W H"));
    ScreenSizeRecord size{intArgument(values[0], 1, nq::kMaxSignSide,
                                      QCoreApplication::translate("ledsignctl", "屏宽")),
                          intArgument(values[1], 1, nq::kMaxSignSide,
                                      QCoreApplication::translate("ledsignctl", "屏高"))};
    return changeResult(ctx, open().Mod_KuanGao(t, &size),
                        QCoreApplication::translate("ledsignctl", "设置成功"),
                        QCoreApplication::translate("ledsignctl", "设置失败"));
  }
  if (name == QLatin1String("brightness")) {
    expectValues(values, 1, QStringLiteral("set brightness 1-32"));
    const int level = intArgument(values[0], params::kMinLevel, params::kMaxLevel,
                                  QCoreApplication::translate("ledsignctl", "亮度"));
    return changeResult(ctx, open().ModBrightnessPara(t, level));
  }
  if (name == QLatin1String("daynight")) {
    expectValues(values, 2, QStringLiteral("set daynight DAY NIGHT"));
    const int day = intArgument(values[0], params::kMinLevel, params::kMaxLevel,
                                QCoreApplication::translate("ledsignctl", "白天亮度"));
    const int night = intArgument(values[1], params::kMinLevel, params::kMaxLevel,
                                  QCoreApplication::translate("ledsignctl", "晚上亮度"));
    return changeResult(ctx, open().ModDayNightBrightness(t, day, night));
  }
  if (name == QLatin1String("onoff")) {
    expectValues(values, 2, QStringLiteral("set onoff HH:MM HH:MM"));
    const std::array<int, 2> on = hourMinuteArgument(values[0]);
    const std::array<int, 2> off = hourMinuteArgument(values[1]);
    return changeResult(ctx, open().ModOnOffTime(t, on[0], on[1], off[0], off[1]));
  }
  if (name == QLatin1String("clock")) {
    expectValues(values, 1, QStringLiteral("set clock now|YYYY-MM-DDTHH:MM:SS"));
    const QDateTime at =
        values[0] == QLatin1String("now")
            ? QDateTime::currentDateTime()
            : QDateTime::fromString(values[0], QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!at.isValid() || at.date().year() < 2000 || at.date().year() > 2099)
      badInput(
          QCoreApplication::translate(
              "ledsignctl", "时间应为 now 或 2000 到 2099 年的 YYYY-MM-DDTHH:MM:SS，而不是“%1”")
              .arg(values[0]));
    const QDate d = at.date();
    const QTime c = at.time();
    return changeResult(
        ctx, open().ModTime(t, d.year(), d.month(), d.day(), c.hour(), c.minute(), c.second()),
        QCoreApplication::translate("ledsignctl", "校时成功"),
        QCoreApplication::translate("ledsignctl", "校时失败"));
  }
  if (name == QLatin1String("scan")) {
    expectValues(values, 1, QStringLiteral("set scan CODE [--inverted] [--oe-high]"));
    const params::ScanView view = *params::scanViewForCode(
        intArgument(values[0], 0, 15, QCoreApplication::translate("ledsignctl", "扫描代码")));
    const int flags = params::scanFlagsFor(parser.isSet(inverted), parser.isSet(oeHigh) ? 1 : 0);
    return changeResult(ctx, open().ModScanPara(t, view.entry, view.rowDecoding ? 1 : 0, flags));
  }
  if (name == QLatin1String("serial")) {
    expectValues(values, 3, QStringLiteral("set serial BAUD none|even|odd 1|2 [--rs485]"));
    params::SerialChoice choice;
    for (size_t k = 0; k < params::kBaudRates.size(); ++k)
      if (values[0] == QString::number(params::kBaudRates[k])) choice.baud = int(k);
    choice.parity = int(kParities.indexOf(values[1]));
    choice.dataBits = 0;
    choice.stopBits = int(kStopBits.indexOf(values[2]));
    const std::optional<SerialParaRecord> record = params::serialRecordFor(choice);
    if (!record)
      badInput(
          QCoreApplication::translate("ledsignctl", "串口参数应为波特率（%1）、none|even|odd、1|2")
              .arg(params::baudEntries().join(QLatin1Char(' '))));
    SerialParaRecord r = *record;
    if (parser.isSet(rs485Option())) {
      requireNet(ctx);
      return changeResult(ctx, open().Mod485Para(&r));
    }
    return changeResult(ctx, open().ModSerialPara(t, &r));
  }
  // net
  expectValues(values, 4, QStringLiteral("set net IP MASK GATEWAY PORT"));
  NetParaRecord record{};
  char* const fields[] = {record.ip, record.mask, record.gateway};
  for (int i = 0; i < 3; ++i) {
    const QByteArray bytes = addressArgument(values[i]);
    std::memcpy(fields[i], bytes.constData(), std::min(size_t(bytes.size()), sizeof record.ip - 1));
  }
  record.port = intArgument(values[3], 1, 65535, QCoreApplication::translate("ledsignctl", "端口"));
  return changeResult(ctx, open().ModNetPara(t, &record));
}

// ---- io ----

int runIo(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addPositionalArgument(
      QStringLiteral("LINE"),
      QCoreApplication::translate("ledsignctl", "输入口 IO1-IO6 的编号 1-6。"));
  parser.addPositionalArgument(
      QStringLiteral("N"),
      QCoreApplication::translate("ledsignctl",
                                  "这个输入口播放的节目号（从1起，最多16个）；"
                                  "不给时显示当前列表。"),
      QStringLiteral("[N…]"));
  parseJsonCommand(ctx, parser, args,
                   QCoreApplication::translate("ledsignctl", "读取或设置一个输入口的节目列表。"), 1,
                   1 + programio::MaxAssigned);
  QStringList values = parser.positionalArguments();
  const int line = intArgument(values.takeFirst(), 1, programio::LineCount,
                               QCoreApplication::translate("ledsignctl", "输入口")) -
                   1;
  std::vector<int> given;  // the program numbers as typed, from 1
  QStringList names;       // as the card's list holds them
  for (const QString& v : values) {
    given.push_back(intArgument(v, 1, programio::MaxListed,
                                QCoreApplication::translate("ledsignctl", "节目号")));
    names << programio::programName(given.back() - 1);
  }

  ctx.connect();
  ControllerLink& link = ctx.link();
  const Transport t = ctx.transport();
  const int count = link.ProgramNumber(t);
  if (count < 0)
    controllerFailed(QCoreApplication::translate("ledsignctl", "获取节目数失败"), count);
  ProgramIoTable table{};
  readResult(link.GetProgramIO(t, &table));

  if (values.isEmpty()) {
    QStringList numbers;
    for (const QString& n : programio::linePrograms(table.lines[line])) {
      const std::optional<int> number = programio::programNumber(n);
      numbers << (number ? QString::number(*number + 1) : n);
    }
    if (ctx.json)
      ctx.out() << '[' << numbers.join(QLatin1Char(',')) << "]\n";
    else
      ctx.out() << numbers.join(QLatin1Char(' ')) << '\n';
    return Success;
  }
  // The window offers only the programs the card holds.
  const QStringList held = programio::controllerPrograms(count);
  // In Chinese the message names the program as the list does ("节目N"); in English by number.
  for (size_t k = 0; k < given.size(); ++k)
    if (!held.contains(names[int(k)]))
      badInput(QCoreApplication::translate("ledsignctl",
                                           "无效的节目：节目%1（控制卡有%2个节目），未下发")
                   .arg(given[k])
                   .arg(count));
  if (const std::optional<QString> bad = programio::storeLine(table.lines[line], names))
    badInput(QCoreApplication::translate("ledsignctl", "无效的节目：%1，未下发").arg(*bad));
  return changeResult(ctx, link.ModProgramIO(t, line, &table),
                      QCoreApplication::translate("ledsignctl", "下发成功"),
                      QCoreApplication::translate("ledsignctl", "下发失败"));
}

}  // namespace

std::vector<Command> paramCommands() {
  return {
      {QStringLiteral("get"),
       QCoreApplication::translate("ledsignctl", "读取控制卡参数 (read a controller parameter)"),
       runGet},
      {QStringLiteral("set"),
       QCoreApplication::translate("ledsignctl", "修改控制卡参数 (change a controller parameter)"),
       runSet},
      {QStringLiteral("io"),
       QCoreApplication::translate("ledsignctl", "输入口的节目列表 (an input line's programs)"),
       runIo},
  };
}

}  // namespace ctl

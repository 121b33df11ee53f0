// The offline library commands: list, set-program, delete, clear, export, import and render work
// on the home's files through the program store and the library transfer, as the main window
// does; add lives in AddCommand.cpp.
#include "LibraryCommands.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <vector>

#include "AtomicFile.h"
#include "LedError.h"
#include "LibraryTransfer.h"
#include "ProgramLimits.h"
#include "ProgramStore.h"
#include "protocol/Limits.h"
#include "protocol/Program.h"

namespace ctl {

int programCount(const ProgramStore& store) {
  int n = 0;
  while (n < ProgramStore::MaxPrograms && QFile::exists(store.picturePath(n))) ++n;
  return n;
}

int programIndex(const QString& text, int count) {
  if (count == 0)
    badInput(QCoreApplication::translate("ledsignctl", "节目表为空，没有节目%1").arg(text));
  return intArgument(text, 1, count, QCoreApplication::translate("ledsignctl", "节目号")) - 1;
}

void PlayOptions::addTo(QCommandLineParser& parser) const {
  parser.addOption(mode);
  parser.addOption(speed);
  parser.addOption(dwell);
}

namespace {

std::optional<int> intOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                             int high) {
  if (!parser.isSet(option)) return std::nullopt;
  return intArgument(parser.value(option), 0, high, QStringLiteral("--") + option.names().front());
}

}  // namespace

std::optional<int> PlayOptions::modeOf(const QCommandLineParser& parser) const {
  return intOption(parser, mode, nq::kMaxPlayMode);
}
std::optional<int> PlayOptions::speedOf(const QCommandLineParser& parser) const {
  return intOption(parser, speed, nq::kMaxPlaySpeed);
}
std::optional<int> PlayOptions::dwellOf(const QCommandLineParser& parser) const {
  return intOption(parser, dwell, nq::kMaxDwell);
}

namespace {

int runList(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parseCommand(
      ctx, parser, args,
      QCoreApplication::translate("ledsignctl",
                                  "列出节目表：节目号、尺寸、颜色、播放方式、播放速度、停留时间、"
                                  "文本或图片。--json 时输出一个数组。"),
      0, 0);
  const ProgramStore& store = ctx.store();
  const int count = programCount(store);
  QJsonArray rows;
  if (!ctx.json && count > 0)
    ctx.out() << QCoreApplication::translate(
        "ledsignctl", "节目\t尺寸\t颜色\t播放方式\t播放速度\t停留时间\t内容\n");
  for (int n = 0; n < count; ++n) {
    const ProgramEntry entry = store.readEntry(n);
    const PlaySettings play = store.readPlaySettings(n);
    // The picture's own size, as the window shows it; the settings' when it cannot be read.
    QSize size(entry.width, entry.height);
    try {
      size = store.readPictureSize(n);
    } catch (const LedError& e) {
      ctx.err() << "ledsignctl: " << e.text() << '\n';
    }
    const bool text = QFile::exists(store.rtfPath(n));
    if (ctx.json) {
      rows.append(QJsonObject{
          {QStringLiteral("number"), n + 1},
          {QStringLiteral("width"), size.width()},
          {QStringLiteral("height"), size.height()},
          {QStringLiteral("colour"), entry.colour},
          {QStringLiteral("mode"), play.mode},
          {QStringLiteral("speed"), play.speed},
          {QStringLiteral("dwell"), play.dwell},
          {QStringLiteral("content"), text ? QStringLiteral("text") : QStringLiteral("picture")}});
    } else {
      ctx.out() << QStringLiteral("%1\t%2×%3\t%4\t%5\t%6\t%7\t%8\n")
                       .arg(n + 1)
                       .arg(size.width())
                       .arg(size.height())
                       .arg(colourClassName(entry.colour))
                       .arg(play.mode)
                       .arg(play.speed)
                       .arg(play.dwell)
                       .arg(text ? QCoreApplication::translate("ledsignctl", "文本")
                                 : QCoreApplication::translate("ledsignctl", "图片"));
    }
  }
  if (ctx.json)
    ctx.out() << QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
  else if (count == 0)
    ctx.err() << QCoreApplication::translate("ledsignctl", "节目表为空\n");
  return Success;
}

int runSetProgram(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  const PlayOptions play;
  play.addTo(parser);
  parser.addPositionalArgument(QStringLiteral("N"),
                               QCoreApplication::translate("ledsignctl", "节目号，从1起。"));
  parseCommand(
      ctx, parser, args,
      QCoreApplication::translate("ledsignctl", "改变节目N的播放方式、播放速度或停留时间。"), 1, 1);
  const auto mode = play.modeOf(parser);
  const auto speed = play.speedOf(parser);
  const auto dwell = play.dwellOf(parser);
  if (!mode && !speed && !dwell)
    badInput(QCoreApplication::translate("ledsignctl",
                                         "set-program：请给出 --mode、--speed 或 --dwell"));
  ProgramStore& store = ctx.store();
  const int n = programIndex(parser.positionalArguments().front(), programCount(store));
  const PlaySettings old = store.readPlaySettings(n);
  store.writePlaySettings(n, mode.value_or(old.mode), speed.value_or(old.speed),
                          QString::number(dwell.value_or(old.dwell)));
  return Success;
}

int runDelete(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("N"),
                               QCoreApplication::translate("ledsignctl", "节目号，从1起。"));
  parseCommand(ctx, parser, args,
               QCoreApplication::translate(
                   "ledsignctl", "删除节目N，其后的节目号各减一（图片、设置与文本一起）。"),
               1, 1);
  ProgramStore& store = ctx.store();
  const int count = programCount(store);
  const int n = programIndex(parser.positionalArguments().front(), count);
  store.deleteProgram(n, count);
  return Success;
}

int runClear(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parseCommand(
      ctx, parser, args,
      QCoreApplication::translate("ledsignctl", "清空节目表：删除全部节目的图片、设置与文本。"), 0,
      0);
  ctx.store().wipe();
  return Success;
}

int runExport(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("DIR"),
                               QCoreApplication::translate("ledsignctl", "目标文件夹。"));
  parseCommand(ctx, parser, args,
               QCoreApplication::translate("ledsignctl",
                                           "把节目表（各节目的图片与 set.ini）导出到文件夹DIR。"),
               1, 1);
  const QString folder = parser.positionalArguments().front();
  if (!QFileInfo(folder).isDir())
    badInput(QCoreApplication::translate("ledsignctl", "文件夹 %1 不存在")
                 .arg(QDir::toNativeSeparators(folder)));
  const ProgramStore& store = ctx.store();
  const int count = programCount(store);
  if (count == 0) badInput(QCoreApplication::translate("ledsignctl", "导出节目不能为空"));
  if (exportLibrary(store, count, folder).settingsCopied)
    ctx.err() << QCoreApplication::translate("ledsignctl", "导出节目成功\n");
  return Success;
}

int runImport(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("DIR"),
                               QCoreApplication::translate("ledsignctl", "导出过的文件夹。"));
  parseCommand(
      ctx, parser, args,
      QCoreApplication::translate("ledsignctl", "以文件夹DIR中的图片与 set.ini 替换节目表。"), 1,
      1);
  const QString folder = parser.positionalArguments().front();
  if (!QFileInfo(folder).isDir())
    badInput(QCoreApplication::translate("ledsignctl", "文件夹 %1 不存在")
                 .arg(QDir::toNativeSeparators(folder)));
  ProgramStore& store = ctx.store();
  const int before = programCount(store);
  const ImportResult imported = importLibrary(store, folder);
  // Pictures of the old library beyond the imported ones would count as programs here; the
  // first one removed ends the count where the import does.
  for (int n = imported.count; n < before; ++n) {
    if (!QFile::remove(store.picturePath(n)))
      fail(BadInput,
           QCoreApplication::translate("ledsignctl", "节目表已导入，但无法删除旧节目的图片 %1")
               .arg(QDir::toNativeSeparators(store.picturePath(n))));
  }
  ctx.err() << importReport(imported) << '\n';
  ctx.out() << imported.count << '\n';
  return Success;
}

// The picture as the sign shows it: the planes its colour class names, as a send encodes them,
// drawn back in the LED colours.
QImage signPicture(const QImage& picture, int colourClass) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  nq::Image image(rgb.width(), rgb.height());
  const size_t rowBytes = size_t(rgb.width()) * 3;
  for (int y = 0; y < rgb.height(); ++y)
    std::copy_n(rgb.constScanLine(y), rowBytes, image.px(0, y));
  std::vector<uint8_t> block;
  nq::encodeProgram(block, image, nq::ProgramSettings{colourClass, 0, 0, 0});
  nq::WireProgram wire;
  wire.width = image.width;
  wire.height = image.height;
  wire.settings.colourClass = colourClass;
  wire.planes.assign(block.begin() + nq::kProgramHeaderSize, block.end());
  const nq::Image shown = nq::decodeProgram(wire);
  QImage out(shown.width, shown.height, QImage::Format_RGB888);
  for (int y = 0; y < shown.height; ++y) std::copy_n(shown.px(0, y), rowBytes, out.scanLine(y));
  return out;
}

int runRender(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  const QCommandLineOption zoom(
      QStringLiteral("zoom"),
      QCoreApplication::translate("ledsignctl", "每个LED画成 Z×Z 像素 (1-16，默认1)。"),
      QStringLiteral("Z"), QStringLiteral("1"));
  parser.addOption(zoom);
  parser.addPositionalArgument(QStringLiteral("N"),
                               QCoreApplication::translate("ledsignctl", "节目号，从1起。"));
  parser.addPositionalArgument(QStringLiteral("FILE.png"),
                               QCoreApplication::translate("ledsignctl", "输出的PNG图片。"));
  parseCommand(ctx, parser, args,
               QCoreApplication::translate(
                   "ledsignctl",
                   "把节目N画成屏上显示的样子（按节目的颜色值，每个像素为LED的颜色），"
                   "存为PNG图片。"),
               2, 2);
  const int z = intArgument(parser.value(zoom), 1, 16, QStringLiteral("--zoom"));
  const QString target = parser.positionalArguments().at(1);
  const ProgramStore& store = ctx.store();
  const int n = programIndex(parser.positionalArguments().front(), programCount(store));
  const int colour = store.readEntry(n).colour;
  if (colour < 0 || colour > 3)
    badInput(QCoreApplication::translate("ledsignctl", "节目%1的颜色值 %2 无效（应为0到3）")
                 .arg(n + 1)
                 .arg(colour));
  const QImage picture = store.readPicture(n);
  if (int64_t(picture.width()) * z > nq::kMaxPictureSide ||
      int64_t(picture.height()) * z > nq::kMaxPictureSide ||
      int64_t(picture.width()) * picture.height() * z * z * 4 > nq::kMaxPicturePixelBytes)
    badInput(QCoreApplication::translate("ledsignctl", "--zoom %1 时图片过大").arg(z));
  const QImage shown = signPicture(picture, colour);
  const QImage big = z == 1 ? shown : shown.scaled(shown.size() * z);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!big.save(&buffer, "PNG"))
    badInput(QCoreApplication::translate("ledsignctl", "无法生成PNG图片"));
  writeFileAtomically(target, png);
  return Success;
}

}  // namespace

std::vector<Command> libraryCommands() {
  return {
      {QStringLiteral("list"), QCoreApplication::translate("ledsignctl", "列出节目表"), runList},
      addCommand(),
      {QStringLiteral("set-program"),
       QCoreApplication::translate("ledsignctl", "改变节目的播放方式、速度、停留时间"),
       runSetProgram},
      {QStringLiteral("delete"), QCoreApplication::translate("ledsignctl", "删除一个节目"),
       runDelete},
      {QStringLiteral("clear"), QCoreApplication::translate("ledsignctl", "清空节目表"), runClear},
      {QStringLiteral("export"), QCoreApplication::translate("ledsignctl", "导出节目表到文件夹"),
       runExport},
      {QStringLiteral("import"), QCoreApplication::translate("ledsignctl", "从文件夹导入节目表"),
       runImport},
      {QStringLiteral("render"),
       QCoreApplication::translate("ledsignctl", "把节目画成屏上的样子 (PNG)"), runRender},
  };
}

}  // namespace ctl

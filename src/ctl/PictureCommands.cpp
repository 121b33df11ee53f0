// convert: any picture the picture import reads, turned into a program picture. The editor runs
// it as a child process under memory and time limits, so that a hostile file never decodes in the
// editor's own process.
#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <new>

#include "AtomicFile.h"
#include "BmpCheck.h"
#include "Ctl.h"
#include "LedError.h"
#include "PictureConvert.h"
#include "protocol/Limits.h"

namespace ctl {

namespace {

QSize sizeArgument(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('x'));
  if (parts.size() != 2)
    badInput(QCoreApplication::translate("ledsignctl", "--size 应为 宽x高，而不是“%1”").arg(text));
  return QSize(intArgument(parts[0], 1, nq::kMaxSignSide,
                           QCoreApplication::translate("ledsignctl", "--size 的宽")),
               intArgument(parts[1], 1, nq::kMaxSignSide,
                           QCoreApplication::translate("ledsignctl", "--size 的高")));
}

// The index of `value` among `names`, or exit 2 naming the option.
int choice(const QString& value, const QStringList& names, const QString& option) {
  const qsizetype i = names.indexOf(value);
  if (i < 0) {
    badInput(QCoreApplication::translate("ledsignctl", "%1 应为 %2 之一，而不是“%3”")
                 .arg(option, names.join(QLatin1Char('|')), value));
  }
  return int(i);
}

QByteArray encodePng(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setCompression(1);  // read back at once, by the editor: speed over size
  if (!writer.write(picture))
    throw LedError(QCoreApplication::translate("ledsignctl", "无法编码原图"));
  return bytes;
}

int convert(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  const QCommandLineOption size(
      QStringLiteral("size"),
      QCoreApplication::translate("ledsignctl", "节目的尺寸 (the program's size)."),
      QStringLiteral("WxH"));
  const QCommandLineOption fit(
      QStringLiteral("fit"),
      QCoreApplication::translate("ledsignctl", "缩放：inside 留黑边，fill 裁剪，stretch 拉伸。"),
      QStringLiteral("inside|fill|stretch"), QStringLiteral("inside"));
  const QCommandLineOption align(QStringLiteral("align"),
                                 QCoreApplication::translate("ledsignctl", "水平位置。"),
                                 QStringLiteral("left|center|right"), QStringLiteral("center"));
  const QCommandLineOption colours(
      QStringLiteral("colours"),
      QCoreApplication::translate(
          "ledsignctl", "颜色：threshold 按阈值分色，dither 抖动，red/green/yellow 单色。"),
      QStringLiteral("threshold|dither|red|green|yellow"), QStringLiteral("threshold"));
  const QCommandLineOption threshold(
      QStringLiteral("threshold"),
      QCoreApplication::translate("ledsignctl", "亮度阈值 1..255 (default 128)."),
      QStringLiteral("N"), QStringLiteral("128"));
  const QCommandLineOption invert(
      QStringLiteral("invert"),
      QCoreApplication::translate("ledsignctl", "单色时反色 (one colour: dark parts lit)."));
  const QCommandLineOption source(
      QStringLiteral("source"),
      QCoreApplication::translate(
          "ledsignctl",
          "另存节目所需大小的原图，PNG (also write the source as large as the "
          "program needs it, for the editor's live options)."),
      QStringLiteral("FILE.png"));
  for (const auto* o : {&size, &fit, &align, &colours, &threshold, &invert, &source})
    parser.addOption(*o);
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QCoreApplication::translate("ledsignctl", "图片文件。"));
  parser.addPositionalArgument(
      QStringLiteral("OUT.bmp"),
      QCoreApplication::translate("ledsignctl", "转换后的节目图片 (24-bit BMP)。"));
  parseCommand(
      ctx, parser, args,
      QCoreApplication::translate(
          "ledsignctl", "把图片转换为节目图片 (convert a picture into a program picture)."),
      2, 2);
  if (!parser.isSet(size))
    badInput(QCoreApplication::translate("ledsignctl", "convert 需要 --size 宽x高"));
  const QSize programSize = sizeArgument(parser.value(size));
  ConversionOptions options;
  options.fit = static_cast<PictureFit>(
      choice(parser.value(fit), {"inside", "fill", "stretch"}, QStringLiteral("--fit")));
  options.align = static_cast<PictureAlign>(
      choice(parser.value(align), {"left", "center", "right"}, QStringLiteral("--align")));
  const int mode = choice(parser.value(colours), {"threshold", "dither", "red", "green", "yellow"},
                          QStringLiteral("--colours"));
  options.mode = mode < 2 ? static_cast<LedColourMode>(mode) : LedColourMode::OneColour;
  if (mode >= 2) options.ink = static_cast<LedInk>(mode - 2);
  options.threshold = intArgument(parser.value(threshold), 1, 255, QStringLiteral("--threshold"));
  options.invert = parser.isSet(invert);
  const QStringList files = parser.positionalArguments();

  // Tests stand in for a picture that takes long to decode.
  const int delay = qEnvironmentVariableIntValue("LEDSIGN_TEST_CONVERT_DELAY_MS");
  if (delay > 0) QThread::msleep(static_cast<unsigned long>(delay));

  try {
    PictureConversion conversion = PictureConversion::fromFile(files[0], programSize);
    conversion.setOptions(options);
    const QByteArray bmp = encodeBmp24(conversion.converted());
    if (parser.isSet(source))
      writeFileAtomically(parser.value(source), encodePng(conversion.neededSource()));
    writeFileAtomically(files[1], bmp);
    const QSize declared = conversion.sourceSize();
    if (ctx.json) {
      const QJsonObject result{
          {QStringLiteral("width"), declared.width()},
          {QStringLiteral("height"), declared.height()},
          {QStringLiteral("vector"), conversion.isVector()},
      };
      ctx.out() << QJsonDocument(result).toJson(QJsonDocument::Compact) << '\n';
    } else {
      ctx.out() << QCoreApplication::translate("ledsignctl", "原图 %1x%2\n")
                       .arg(declared.width())
                       .arg(declared.height());
    }
  } catch (const LedError& e) {
    badInput(e.text());
  } catch (const std::bad_alloc&) {
    badInput(QCoreApplication::translate("ledsignctl", "图片 %1 过大或过于复杂，内存不足")
                 .arg(files[0]));
  }
  return Success;
}

}  // namespace

std::vector<Command> pictureCommands() {
  return {{QStringLiteral("convert"),
           QCoreApplication::translate("ledsignctl", "把图片转换为节目图片 (BMP)，不需要节目库"),
           convert}};
}

}  // namespace ctl

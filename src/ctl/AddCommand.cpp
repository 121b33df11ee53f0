// add: appends a program made from a picture (the picture import's conversion), an RTF file or a
// line of text (the text editor's renderer), stored as the windows store theirs.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <array>

#include "AtomicFile.h"
#include "BmpCheck.h"
#include "Language.h"
#include "LedError.h"
#include "LibraryCommands.h"
#include "PictureConvert.h"
#include "ProgramLimits.h"
#include "ProgramStore.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "TextFormat.h"
#include "TextRender.h"
#include "protocol/Limits.h"

// The picture import's conversion of a picture file at a program's size, made by this tool's own
// `convert` in a child process held to the editor's address-space and time limits, so that a
// hostile picture costs the child, not this process. Throws LedError with a text for the
// operator when the file is unreadable, the conversion refuses it or the child does not finish.
QImage convertPictureForProgram(const QString& path, QSize size, const QString& fit,
                                const QString& colours) {
  const QString what =
      QCoreApplication::translate("ledsignctl", "图片文件 %1").arg(QDir::toNativeSeparators(path));
  const QTemporaryDir dir;
  if (!dir.isValid())
    throw LedError(QCoreApplication::translate("ledsignctl", "无法建立临时文件夹，不能读取图片"));
  const QString converted = dir.filePath(QStringLiteral("converted.bmp"));
  QProcess child;
  child.setProgram(QCoreApplication::applicationFilePath());
  child.setArguments({QStringLiteral("--lang"), languageCode(currentLanguage()),
                      QStringLiteral("convert"), QFileInfo(path).absoluteFilePath(), converted,
                      QStringLiteral("--size"),
                      QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                      QStringLiteral("--fit"), fit, QStringLiteral("--colours"), colours});
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(environment);
  child.setStandardInputFile(QProcess::nullDevice());
  child.setChildProcessModifier(limitChildDecodeAddressSpace);
  child.start();
  if (!child.waitForStarted())
    throw LedError(
        QCoreApplication::translate("ledsignctl", "无法启动图片转换程序，不能读取%1").arg(what));
  if (!child.waitForFinished(ChildDecodeTimeMs)) {
    child.kill();
    child.waitForFinished();
    throw LedError(QCoreApplication::translate(
                       "ledsignctl", "%1 读取超过 %2 秒，已停止：图片可能过于复杂或已损坏")
                       .arg(what)
                       .arg(ChildDecodeTimeMs / 1000));
  }
  if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
    throw LedError(childDecodeFailure(what, child.exitStatus() != QProcess::NormalExit,
                                      child.readAllStandardError()));
  }
  return decodeBmp(readWholeFile(converted, nq::kMaxBmpFileBytes), what);
}

namespace ctl {
namespace {

// The editor's caps on the files a text program keeps.
constexpr qint64 kMaxRtfFileBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxPictureFileBytes = int64_t(nq::kMaxSignSide) * nq::kMaxSignSide * 4 + 4096;

// The index of the option's value among `names`, or exit 2 listing them.
int choice(const QCommandLineParser& parser, const QCommandLineOption& option,
           const QStringList& names) {
  const QString value = parser.value(option);
  const qsizetype i = names.indexOf(value);
  if (i < 0) {
    badInput(QCoreApplication::translate("ledsignctl", "--%1 应为 %2 之一，而不是“%3”")
                 .arg(option.names().front(),
                      names.join(QCoreApplication::translate("ledsignctl", "、", "list separator")),
                      value));
  }
  return int(i);
}

QSize sizeArgument(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d+)[xX×](\\d+)$"));
  const QRegularExpressionMatch m = pattern.match(text);
  if (!m.hasMatch())
    badInput(QCoreApplication::translate("ledsignctl", "--size 应为 宽x高，例如 64x32，而不是“%1”")
                 .arg(text));
  return QSize(intArgument(m.captured(1), 1, nq::kMaxSignSide,
                           QCoreApplication::translate("ledsignctl", "节目宽")),
               intArgument(m.captured(2), 1, nq::kMaxSignSide,
                           QCoreApplication::translate("ledsignctl", "节目高")));
}

// A document as the text editor starts one: its default face at its default size, drawn without
// smoothing, no margin.
void prepareDocument(QTextDocument& document) {
  QFont font(ledtext::DefaultFace);
  font.setPointSize(ledtext::DefaultPointSize);
  font.setStyleStrategy(QFont::NoAntialias);
  document.setDefaultFont(font);
  document.setDocumentMargin(0);
}

// What is stored for the new program.
struct NewProgram {
  QImage picture;
  std::optional<QByteArray> rtf;  // a text program's rich text
  int droppedLines = 0;
};

// Renders as the editor's save does: the caret at the start, the text band at the top.
NewProgram renderDocument(QTextDocument& document, QSize size) {
  ledtext::makeAliased(document);
  ledtext::RenderedText rendered = ledtext::renderText(document, size);
  NewProgram p;
  p.picture = ledtext::placeTextBand(rendered.picture, 0);
  p.droppedLines = rendered.droppedLines;
  p.rtf = writeRtf(document);
  return p;
}

int runAdd(Context& ctx, const QStringList& args) {
  QCommandLineParser parser;
  const QCommandLineOption size(
      QStringLiteral("size"),
      QCoreApplication::translate("ledsignctl", "节目的尺寸 (默认：控制卡报告的屏宽和屏高)。"),
      QStringLiteral("WxH"));
  const QCommandLineOption picture(
      QStringLiteral("picture"),
      QCoreApplication::translate("ledsignctl", "由图片文件转换为LED颜色。"),
      QStringLiteral("FILE"));
  const QCommandLineOption fit(
      QStringLiteral("fit"),
      QCoreApplication::translate("ledsignctl",
                                  "图片与节目比例不同时：inside 留黑边 (默认)、"
                                  "fill 裁切、stretch 拉伸。"),
      QStringLiteral("inside|fill|stretch"), QStringLiteral("inside"));
  const QCommandLineOption colours(
      QStringLiteral("colours"),
      QCoreApplication::translate(
          "ledsignctl", "颜色转换：threshold 阈值 (默认)、dither 抖动、red/green/yellow 单色。"),
      QStringLiteral("threshold|dither|red|green|yellow"), QStringLiteral("threshold"));
  const QCommandLineOption rtf(QStringLiteral("rtf"),
                               QCoreApplication::translate("ledsignctl", "由RTF文件排出文字。"),
                               QStringLiteral("FILE"));
  const QCommandLineOption text(QStringLiteral("text"),
                                QCoreApplication::translate("ledsignctl", "由一段文字排出。"),
                                QStringLiteral("TEXT"));
  const QCommandLineOption colour(
      QStringLiteral("colour"),
      QCoreApplication::translate("ledsignctl", "--text 的颜色 (默认 red)。"),
      QStringLiteral("red|green|yellow"), QStringLiteral("red"));
  const QCommandLineOption pointSize(
      QStringLiteral("point-size"),
      QCoreApplication::translate("ledsignctl", "--text 的字号，单位磅 (默认 %1)。")
          .arg(ledtext::DefaultPointSize),
      QStringLiteral("N"), QString::number(ledtext::DefaultPointSize));
  const QCommandLineOption align(
      QStringLiteral("align"),
      QCoreApplication::translate("ledsignctl", "--text 的对齐 (默认 left)。"),
      QStringLiteral("left|center|right"), QStringLiteral("left"));
  for (const auto* o : {&size, &picture, &fit, &colours, &rtf, &text, &colour, &pointSize, &align})
    parser.addOption(*o);
  const PlayOptions play;
  play.addTo(parser);
  parseCommand(
      ctx, parser, args,
      QCoreApplication::translate("ledsignctl",
                                  "在节目表末尾添加一个节目，打印它的节目号。--picture、--rtf、"
                                  "--text 三选一。"),
      0, 0);

  // Everything given is checked before the home is touched.
  const int sources = int(parser.isSet(picture)) + int(parser.isSet(rtf)) + int(parser.isSet(text));
  if (sources != 1)
    badInput(QCoreApplication::translate("ledsignctl",
                                         "add：--picture、--rtf、--text 须给出且只给出一个"));
  // Without --size the program takes the sign's size, asked of the card.
  const QSize programSize = parser.isSet(size) ? sizeArgument(parser.value(size)) : signSize(ctx);
  // Checked here; the conversion itself is the child's.
  choice(parser, fit,
         {QStringLiteral("inside"), QStringLiteral("fill"), QStringLiteral("stretch")});
  choice(parser, colours,
         {QStringLiteral("threshold"), QStringLiteral("dither"), QStringLiteral("red"),
          QStringLiteral("green"), QStringLiteral("yellow")});
  const int ink = choice(
      parser, colour, {QStringLiteral("red"), QStringLiteral("green"), QStringLiteral("yellow")});
  const int points = intArgument(parser.value(pointSize), 1, 1000, QStringLiteral("--point-size"));
  const int alignment = choice(
      parser, align, {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")});
  const int mode = play.modeOf(parser).value_or(PlaySettings{}.mode);
  const int speed = play.speedOf(parser).value_or(PlaySettings{}.speed);
  const int dwell = play.dwellOf(parser).value_or(PlaySettings{}.dwell);

  ProgramStore& store = ctx.store();
  const int n = programCount(store);
  if (n >= ProgramStore::MaxPrograms)
    badInput(QCoreApplication::translate("ledsignctl", "超出节目最大数"));

  NewProgram made;
  if (parser.isSet(picture)) {
    made.picture = convertPictureForProgram(parser.value(picture), programSize, parser.value(fit),
                                            parser.value(colours));
  } else {
    QTextDocument document;
    prepareDocument(document);
    if (parser.isSet(rtf)) {
      const QString path = parser.value(rtf);
      const QFileInfo info(path);
      const QString shown = QDir::toNativeSeparators(path);
      if (!info.isFile())
        badInput(QCoreApplication::translate("ledsignctl", "文件 %1 不存在").arg(shown));
      if (info.size() > kMaxRtfFileBytes)
        badInput(
            QCoreApplication::translate("ledsignctl", "文件 %1 超过 16 MiB，无法打开").arg(shown));
      readRichOrPlainText(readWholeFile(path, kMaxRtfFileBytes), document);
    } else {
      QTextCharFormat format;
      format.setFontPointSize(points);
      format.setForeground(
          std::array{ledtext::Red, ledtext::Green, ledtext::Yellow}.at(static_cast<size_t>(ink)));
      QTextBlockFormat block;
      block.setAlignment(std::array{Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}.at(
          static_cast<size_t>(alignment)));
      QTextCursor cursor(&document);
      cursor.setBlockFormat(block);
      cursor.setBlockCharFormat(format);
      cursor.setCharFormat(format);
      cursor.insertText(parser.value(text));
    }
    made = renderDocument(document, programSize);
  }

  // The picture, the settings and the rich text change together: should one fail to be written,
  // those already written get their old bytes back.
  const int colourClassOfPicture = colourClass(made.picture);
  if (!QDir().mkpath(store.programDir()) || (made.rtf && !QDir().mkpath(store.rtfDir())))
    badInput(QCoreApplication::translate("ledsignctl", "无法在 %1 中建立节目文件夹")
                 .arg(QDir::toNativeSeparators(store.home())));
  FileRollback rollback;
  rollback.keep(store.picturePath(n), kMaxPictureFileBytes);
  rollback.keep(store.settingsPath(), nq::kMaxIniFileBytes);
  rollback.keep(store.rtfPath(n), kMaxRtfFileBytes);
  store.writePicture(n, made.picture);
  store.writeSettings(n, ProgramEntry{made.picture.width(), made.picture.height(),
                                      colourClassOfPicture, mode, speed, dwell});
  if (made.rtf) {
    writeFileAtomically(store.rtfPath(n), *made.rtf);
  } else if (QFile::exists(store.rtfPath(n)) && !QFile::remove(store.rtfPath(n))) {
    // A rich-text file left under this number by an earlier program is not this program's.
    throw LedError(QCoreApplication::translate("ledsignctl", "无法删除文件 %1")
                       .arg(QDir::toNativeSeparators(store.rtfPath(n))));
  }
  rollback.commit();

  if (made.droppedLines > 0)
    ctx.err() << QCoreApplication::translate("ledsignctl", "文字超出节目高度，超出部分未保存\n");
  if (const QString notice = storedPictureLimitNotice(0, made.picture); !notice.isEmpty())
    ctx.err() << notice << '\n';
  if (ctx.json)
    ctx.out() << QJsonDocument(QJsonObject{{QStringLiteral("number"), n + 1}})
                     .toJson(QJsonDocument::Compact);
  else
    ctx.out() << n + 1;
  ctx.out() << '\n';
  return Success;
}

}  // namespace

Command addCommand() {
  return {QStringLiteral("add"),
          QCoreApplication::translate("ledsignctl", "添加一个节目 (图片、RTF或文字)"), runAdd};
}

}  // namespace ctl

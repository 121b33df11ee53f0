// Writes the seed corpora of the application's fuzz targets with the project's own writers and
// encoders: app_fuzz_seeds <corpus folder>, which gets rtf/, settings_ini/ and bmp/.
#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QtEndian>
#include <cstdio>

#include "../../controller/protocol/Bmp.h"
#include "../../controller/protocol/ProgramIni.h"
#include "BmpCheck.h"
#include "Fonts.h"
#include "FuzzQt.h"
#include "GbkIni.h"
#include "RtfWriter.h"

namespace {

QDir root;

void put(const QString& folder, const QString& name, const QByteArray& bytes) {
  root.mkpath(folder);
  QFile file(root.filePath(folder + QLatin1Char('/') + name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    std::exit(1);
  }
}

QByteArray rtfOf(const std::function<void(QTextCursor&)>& fill) {
  QTextDocument document;
  QTextCursor cursor(&document);
  fill(cursor);
  return writeRtf(document);
}

void writeRtfSeeds() {
  put(QStringLiteral("rtf"), QStringLiteral("plain.rtf"),
      rtfOf([](QTextCursor& c) { c.insertText(QStringLiteral("欢迎光临 Welcome 123")); }));
  put(QStringLiteral("rtf"), QStringLiteral("styles.rtf"), rtfOf([](QTextCursor& c) {
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("宋体")});
        f.setFontPointSize(12);
        f.setForeground(QColor(0, 255, 0));
        f.setFontWeight(QFont::Bold);
        c.insertText(QStringLiteral("粗体绿色"), f);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setForeground(QColor(255, 255, 0));
        c.insertText(QStringLiteral(" 斜体 "), f);
        f.setFontStrikeOut(true);
        f.setFontFamilies({QStringLiteral("Arial")});
        c.insertText(QStringLiteral("strike\t€"), f);
        QTextBlockFormat b;
        b.setAlignment(Qt::AlignHCenter);
        b.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
        c.insertBlock(b);
        c.insertText(QStringLiteral("第二行\x2028换行"));
        b.setAlignment(Qt::AlignRight);
        c.insertBlock(b);
        c.insertText(QStringLiteral("右对齐"));
      }));
  put(QStringLiteral("rtf"), QStringLiteral("gbk.txt"),
      GbkIni::toGbk(QStringLiteral("纯文本 GBK")));
}

void writeIniSeeds() {
  GbkIni store;
  for (int n = 0; n < 3; ++n) {
    const QString section = QStringLiteral("节目%1").arg(n);
    store.setValue(section, QStringLiteral("屏宽"), 64);
    store.setValue(section, QStringLiteral("屏高"), 32);
    store.setValue(section, QStringLiteral("颜色"), n);
    store.setValue(section, QStringLiteral("播放方式"), 3);
    store.setValue(section, QStringLiteral("播放速度"), 4);
    store.setValue(section, QStringLiteral("停留时间"), GbkIni::toGbk(QStringLiteral("12")));
  }
  put(QStringLiteral("settings_ini"), QStringLiteral("store.ini"), store.serialize());

  std::string lib;
  for (int n = 0; n < 2; ++n) nq::appendProgramSection(lib, n, 32, 16, nq::ProgramSettings{});
  put(QStringLiteral("settings_ini"), QStringLiteral("link.ini"),
      QByteArray(lib.data(), static_cast<qsizetype>(lib.size())));

  GbkIni comm;
  const QString section = QStringLiteral("配置参数");
  comm.setValue(section, QStringLiteral("通讯方式"), 1);
  comm.setValue(section, QStringLiteral("串口"), QByteArray("/dev/ttyS0"));
  comm.setValue(section, QStringLiteral("LEDIP"), QByteArray("127.0.0.1"));
  comm.setValue(section, QStringLiteral("LEDPORT"), 8000);
  put(QStringLiteral("settings_ini"), QStringLiteral("comm.ini"), comm.serialize());
}

// A BMP built field by field: headers, then the table (palette or masks), then the pixels.
QByteArray handMade(qint32 w, qint32 h, quint16 bits, quint32 compression, const QByteArray& table,
                    const QByteArray& pixels) {
  QByteArray b(54, '\0');
  auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
  b[0] = 'B';
  b[1] = 'M';
  const auto offset = static_cast<quint32>(54 + table.size());
  put32(2, offset + static_cast<quint32>(pixels.size()));
  put32(10, offset);
  put32(14, 40);
  put32(18, static_cast<quint32>(w));
  put32(22, static_cast<quint32>(h));
  qToLittleEndian<quint16>(1, b.data() + 26);
  qToLittleEndian<quint16>(bits, b.data() + 28);
  put32(30, compression);
  put32(34, static_cast<quint32>(pixels.size()));
  if (bits <= 8) put32(46, static_cast<quint32>(table.size() / 4));
  return b + table + pixels;
}

void writeBmpSeeds() {
  QImage picture(8, 4, QImage::Format_RGB32);
  picture.fill(Qt::black);
  for (int x = 0; x < 8; ++x) picture.setPixel(x, x % 4, x % 2 ? qRgb(255, 0, 0) : qRgb(0, 255, 0));
  const QString dir = QStringLiteral("bmp");
  put(dir, QStringLiteral("app24.bmp"), encodeBmp24(picture));
  nq::Image image(3, 2);
  image.px(1, 1)[0] = 255;
  const std::vector<uint8_t> lib = nq::encodeBmp24(image);
  put(dir, QStringLiteral("link24.bmp"),
      QByteArray(reinterpret_cast<const char*>(lib.data()), static_cast<qsizetype>(lib.size())));

  const QByteArray redGreen("\x00\x00\xff\x00\x00\xff\x00\x00", 8);
  put(dir, QStringLiteral("mono.bmp"),
      handMade(9, 2, 1, 0, redGreen, QByteArray("\xaa\x80\0\0\x55\0\0\0", 8)));
  put(dir, QStringLiteral("four.bmp"),
      handMade(3, 1, 4, 0, redGreen + QByteArray(56, '\0'), QByteArray("\x10\x10\0\0", 4)));
  put(dir, QStringLiteral("eight.bmp"),
      handMade(2, 2, 8, 0, redGreen, QByteArray("\1\0\0\0\0\1\0\0", 8)));
  put(dir, QStringLiteral("rle8.bmp"),
      handMade(4, 3, 8, 1, redGreen,
               QByteArray("\x02\x01\x00\x00\x00\x03\x01\x00\x01\x00\x00\x00"
                          "\x00\x02\x01\x00\x02\x01\x00\x01",
                          20)));
  put(dir, QStringLiteral("rle4.bmp"),
      handMade(5, 2, 4, 2, redGreen + QByteArray(56, '\0'),
               QByteArray("\x05\x10\x00\x00\x00\x03\x01\x10\x00\x01", 10)));
  put(dir, QStringLiteral("rgb555.bmp"),
      handMade(2, 1, 16, 0, {}, QByteArray("\x00\x7c\xe0\x03", 4)));
  put(dir, QStringLiteral("rgb565.bmp"),
      handMade(2, 1, 16, 3, QByteArray("\x00\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12),
               QByteArray("\x00\xf8\xe0\x07", 4)));
  put(dir, QStringLiteral("rgb32.bmp"),
      handMade(1, 2, 32, 0, {}, QByteArray("\0\0\xff\0\0\xff\0\0", 8)));
  QByteArray topDown = encodeBmp24(picture);
  qToLittleEndian<qint32>(-4, topDown.data() + 22);
  put(dir, QStringLiteral("topdown.bmp"), topDown);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: app_fuzz_seeds <corpus folder>\n");
    return 2;
  }
  startHeadlessApplication();
  installFontSubstitutions();
  root = QDir(QString::fromLocal8Bit(argv[1]));
  writeRtfSeeds();
  writeIniSeeds();
  writeBmpSeeds();
  return 0;
}

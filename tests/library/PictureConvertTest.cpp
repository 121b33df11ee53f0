#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>

#include "LedError.h"
#include "PictureConvert.h"

namespace {

constexpr QRgb kBlack = 0xff000000u, kRed = 0xffff0000u, kGreen = 0xff008000u,
               kYellow = 0xffffff00u;

QImage filled(QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
  QImage img(size, format);
  img.fill(QColor::fromRgba(colour));
  return img;
}

QByteArray encoded(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(img.save(&buffer, format)) << format;
  return bytes;
}

ConversionOptions withMode(LedColourMode mode, int threshold = 128) {
  ConversionOptions o;
  o.mode = mode;
  o.threshold = threshold;
  return o;
}

TEST(LedColours, PureColoursMapToThemselvesWhenThresholdedOrDithered) {
  const std::pair<QRgb, QRgb> rows[] = {
      {kBlack, kBlack},
      {kRed, kRed},
      {qRgb(237, 28, 36), kRed},
      {kGreen, kGreen},
      {qRgb(34, 177, 76), kGreen},
      {kYellow, kYellow},
      {qRgb(255, 242, 0), kYellow},
      {qRgb(0, 255, 0), kGreen},
      {qRgb(255, 255, 255), kYellow},
      {qRgb(0, 0, 255), kBlack},
  };
  for (LedColourMode mode : {LedColourMode::Threshold, LedColourMode::Dither}) {
    for (const auto& [in, out] : rows) {
      const QImage led = toLedColours(filled(QSize(9, 7), in), withMode(mode, 200));
      for (int y = 0; y < led.height(); ++y)
        for (int x = 0; x < led.width(); ++x)
          ASSERT_EQ(led.pixel(x, y), out) << std::hex << in << " mode " << int(mode);
    }
  }
}

TEST(LedColours, ThresholdPerChannelAndOneColourByLuminance) {
  struct Row {
    const char* what;
    QRgb in;
    ConversionOptions options;
    QRgb out;
  };
  ConversionOptions greenInk = withMode(LedColourMode::OneColour);
  greenInk.ink = LedInk::Green;
  ConversionOptions inverted = greenInk;
  inverted.invert = true;
  const Row rows[] = {
      {"grey just below", qRgb(127, 127, 127), withMode(LedColourMode::Threshold), kBlack},
      {"grey at the threshold", qRgb(128, 128, 128), withMode(LedColourMode::Threshold), kYellow},
      {"low threshold lights grey", qRgb(100, 100, 100), withMode(LedColourMode::Threshold, 90),
       kYellow},
      {"orange: red only", qRgb(250, 120, 30), withMode(LedColourMode::Threshold), kRed},
      {"teal: green only", qRgb(20, 160, 160), withMode(LedColourMode::Threshold), kGreen},
      {"one colour lit", qRgb(200, 200, 200), greenInk, kGreen},
      {"one colour dark", qRgb(60, 60, 60), greenInk, kBlack},
      {"one colour: blue is dark", qRgb(0, 0, 255), greenInk, kBlack},
      {"inverted: dark ink lit", qRgb(20, 20, 20), inverted, kGreen},
      {"inverted: light ground dark", qRgb(240, 240, 240), inverted, kBlack},
  };
  for (const Row& r : rows)
    EXPECT_EQ(toLedColours(filled(QSize(3, 3), r.in), r.options).pixel(1, 1), r.out) << r.what;
}

// Error diffusion keeps each diode's average brightness: red across, green down, blue noise.
TEST(LedColours, DitheredGradientKeepsEachChannelsAverage) {
  QImage gradient(256, 96, QImage::Format_RGB32);
  for (int y = 0; y < gradient.height(); ++y)
    for (int x = 0; x < gradient.width(); ++x)
      gradient.setPixel(x, y, qRgb(x, 255 * y / 95, (x * 7 + y * 13) % 256));
  const QImage led = toLedColours(gradient, withMode(LedColourMode::Dither));
  double red = 0, green = 0, redIn = 0, greenIn = 0;
  QSet<QRgb> seen;
  for (int y = 0; y < led.height(); ++y) {
    for (int x = 0; x < led.width(); ++x) {
      const QRgb p = led.pixel(x, y);
      seen.insert(p);
      red += (p == kRed || p == kYellow) ? 255 : 0;
      green += (p == kGreen || p == kYellow) ? 255 : 0;
      redIn += qRed(gradient.pixel(x, y));
      greenIn += qGreen(gradient.pixel(x, y));
    }
  }
  EXPECT_EQ(seen, (QSet<QRgb>{kBlack, kRed, kGreen, kYellow}));
  const double n = double(led.width()) * led.height();
  EXPECT_NEAR(red / n, redIn / n, 255 * 0.02);
  EXPECT_NEAR(green / n, greenIn / n, 255 * 0.02);
}

TEST(Placement, FitFillStretchSizesAndOffsets) {
  struct Row {
    QSize source, target;
    PictureFit fit;
    PictureAlign align;
    QRect expected;
  };
  using F = PictureFit;
  using A = PictureAlign;
  const Row rows[] = {
      {{200, 100}, {64, 64}, F::Inside, A::Centre, {0, 16, 64, 32}},
      {{100, 200}, {64, 32}, F::Inside, A::Left, {0, 0, 16, 32}},
      {{100, 200}, {64, 32}, F::Inside, A::Centre, {24, 0, 16, 32}},
      {{100, 200}, {64, 32}, F::Inside, A::Right, {48, 0, 16, 32}},
      {{100, 200}, {64, 32}, F::Fill, A::Centre, {0, -48, 64, 128}},
      {{300, 100}, {64, 32}, F::Fill, A::Left, {0, 0, 96, 32}},
      {{300, 100}, {64, 32}, F::Fill, A::Centre, {-16, 0, 96, 32}},
      {{300, 100}, {64, 32}, F::Fill, A::Right, {-32, 0, 96, 32}},
      {{300, 100}, {64, 32}, F::Stretch, A::Right, {0, 0, 64, 32}},
      {{16384, 1}, {640, 256}, F::Inside, A::Centre, {0, 127, 640, 1}},
      // Vector pictures of absurd natural size: the crop stays within int and covers the target.
      {{INT_MAX, 1}, {640, 256}, F::Fill, A::Centre, {-268435135, 0, INT_MAX / 4, 256}},
      {{1, INT_MAX}, {640, 256}, F::Fill, A::Right, {0, -268435327, 640, INT_MAX / 4}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(placementRect(r.source, r.target, r.fit, r.align), r.expected)
        << r.source.width() << "x" << r.source.height() << " fit " << int(r.fit) << " align "
        << int(r.align);
  }
}

// A picture decoded at a reduced size lands where the placement says, with black bars, and a
// cropped picture shows the part the placement keeps.
TEST(Placement, FittedPicturesShowTheRightPart) {
  QImage halves(2000, 1000, QImage::Format_RGB32);
  halves.fill(kRed);
  QPainter(&halves).fillRect(1000, 0, 1000, 1000, QColor(0, 255, 0));
  const QByteArray jpeg = encoded(halves, "JPEG");
  PictureConversion c = PictureConversion::fromBytes(jpeg, QSize(64, 64), QStringLiteral("jpeg"));
  EXPECT_EQ(c.sourceSize(), QSize(2000, 1000));
  const QImage& inside = c.converted();
  EXPECT_EQ(inside.size(), QSize(64, 64));
  EXPECT_EQ(inside.pixel(10, 5), kBlack);  // bar above
  EXPECT_EQ(inside.pixel(10, 32), kRed);
  EXPECT_EQ(inside.pixel(54, 32), kGreen);
  EXPECT_EQ(inside.pixel(54, 60), kBlack);  // bar below

  ConversionOptions fillLeft;
  fillLeft.fit = PictureFit::Fill;
  fillLeft.align = PictureAlign::Left;
  c.setOptions(fillLeft);
  EXPECT_EQ(c.converted().pixel(1, 1), kRed);
  EXPECT_EQ(c.converted().pixel(62, 62), kRed);
  fillLeft.align = PictureAlign::Right;
  c.setOptions(fillLeft);
  EXPECT_EQ(c.converted().pixel(1, 1), kGreen);
}

TEST(PictureFiles, TransparentPixelsBecomeBlack) {
  QImage logo = filled(QSize(8, 8), qRgba(255, 255, 255, 0), QImage::Format_ARGB32);
  QPainter(&logo).fillRect(4, 0, 4, 8, QColor(255, 0, 0));
  PictureConversion c =
      PictureConversion::fromBytes(encoded(logo, "PNG"), QSize(8, 8), QStringLiteral("png"));
  EXPECT_EQ(c.converted().pixel(1, 3), kBlack);
  EXPECT_EQ(c.converted().pixel(6, 3), kRed);
}

// Icons cannot be told from their content; the file's suffix names them.
TEST(PictureFiles, IconsAreReadByTheirSuffix) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sign.ico"));
  ASSERT_TRUE(filled(QSize(16, 16), kRed).save(path, "ICO"));
  EXPECT_EQ(PictureConversion::fromFile(path, QSize(16, 16)).converted().pixel(8, 8), kRed);
}

TEST(PictureFiles, SvgRendersAtTheProgramsSize) {
  const QByteArray svg =
      "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='5' viewBox='0 0 10 5'>"
      "<rect x='0' y='0' width='5' height='5' fill='#ff0000'/>"
      "<rect x='5' y='0' width='5' height='5' fill='#00ff00'/></svg>";
  PictureConversion c = PictureConversion::fromBytes(svg, QSize(640, 320), QStringLiteral("svg"));
  ASSERT_TRUE(c.isVector());
  const QImage& led = c.converted();
  EXPECT_EQ(led.size(), QSize(640, 320));
  // Drawn as a vector at full size: the edge between the halves is sharp.
  EXPECT_EQ(led.pixel(0, 0), kRed);
  EXPECT_EQ(led.pixel(319, 160), kRed);
  EXPECT_EQ(led.pixel(320, 160), kGreen);
  EXPECT_EQ(led.pixel(639, 319), kGreen);
}

// The reason is the program's own, in Chinese: besides the file's name, no ASCII letters but
// its suffix (the format) and the size unit; never the decoder's English.
bool saysWhyInChinese(QString text, const QString& name) {
  if (!text.startsWith(name)) return false;
  text = text.mid(name.size()).remove(QFileInfo(name).suffix(), Qt::CaseInsensitive);
  text.remove(QStringLiteral("MiB"));
  return std::none_of(text.cbegin(), text.cend(),
                      [](QChar c) { return c.unicode() < 0x80 && c.isLetter(); });
}

TEST(PictureFiles, BadFilesAreRefusedWithAReason) {
  const QByteArray png = encoded(filled(QSize(40, 40), kRed), "PNG");
  QByteArray damagedPng = png;
  damagedPng.replace(damagedPng.indexOf("IDAT") + 4, 16, QByteArray(16, '\xff'));
  const std::pair<const char*, QByteArray> rows[] = {
      {"empty.png", QByteArray()},
      {"text.png", QByteArray("just some words, not a picture at all")},
      {"truncated.png", png.left(png.size() / 2)},
      {"damaged.png", damagedPng},
      {"broken.svg", QByteArray("<svg xmlns='http://www.w3.org/2000/svg'><rect")},
      {"wide.png", encoded(QImage(16385, 1, QImage::Format_Mono), "PNG")},   // over 16384
      {"big.png", encoded(QImage(4100, 4100, QImage::Format_Mono), "PNG")},  // over 64 MiB
  };
  for (const auto& [name, bytes] : rows) {
    try {
      PictureConversion::fromBytes(bytes, QSize(64, 32), QString::fromLatin1(name));
      ADD_FAILURE() << name << " was accepted";
    } catch (const LedError& e) {
      EXPECT_TRUE(saysWhyInChinese(e.text(), QString::fromLatin1(name))) << e.text().toStdString();
    }
  }
  // From a path: the message names the file, and the reason is the program's own too.
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
  QFile damaged(dir.filePath(QStringLiteral("damaged.png")));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write(png.left(png.size() / 2)) > 0);
  damaged.close();
  for (const QString& path : {dir.filePath(QStringLiteral("missing.png")),
                              dir.filePath(QStringLiteral("folder.png")), damaged.fileName()}) {
    try {
      PictureConversion::fromFile(path, QSize(8, 8));
      ADD_FAILURE() << path.toStdString() << " was accepted";
    } catch (const LedError& e) {
      const QString text = QString(e.text()).remove(QDir::toNativeSeparators(path));
      EXPECT_TRUE(saysWhyInChinese(text, QString())) << e.text().toStdString();
    }
  }
}

}  // namespace

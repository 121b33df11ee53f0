#include <gtest/gtest.h>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>

#include "PictureConvert.h"
#include "TestHome.h"

namespace {

struct Result {
  int code = -1;
  QByteArray out, err;
};

Result ledsignctl(const QStringList& args) {
  QProcess p;
  p.start(QDir(QStringLiteral(LEDSIGN_BIN_DIR)).filePath(QStringLiteral("ledsignctl")), args);
  p.waitForFinished(30000);
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

ConversionOptions options(PictureFit fit, PictureAlign align, LedColourMode mode, int threshold) {
  ConversionOptions o;
  o.fit = fit;
  o.align = align;
  o.mode = mode;
  o.threshold = threshold;
  return o;
}

class ConvertCommand : public ::testing::Test {
 protected:
  ConvertCommand() {
    // A gradient with a half-transparent band, flatter than the program.
    QImage photo(900, 200, QImage::Format_ARGB32);
    for (int y = 0; y < photo.height(); ++y)
      for (int x = 0; x < photo.width(); ++x)
        photo.setPixel(x, y, qRgba(255 - x * 255 / 899, x * 255 / 899, 60, y < 40 ? 120 : 255));
    EXPECT_TRUE(photo.save(photoPath));
  }
  TestHome home;
  const QString photoPath = home.file(QStringLiteral("photo.png"));
  const QString out = home.file(QStringLiteral("out.bmp"));
  const QString source = home.file(QStringLiteral("source.png"));
};

// The program picture is the picture import's conversion, and the source it hands back converts
// in the editor, under every option, to what the conversion of the file itself gives.
TEST_F(ConvertCommand, ConvertsAsTheImportAndHandsBackTheSource) {
  const Result run = ledsignctl(
      {QStringLiteral("--json"), QStringLiteral("convert"), photoPath, out,
       QStringLiteral("--size"), QStringLiteral("96x32"), QStringLiteral("--fit"),
       QStringLiteral("fill"), QStringLiteral("--align"), QStringLiteral("right"),
       QStringLiteral("--colours"), QStringLiteral("dither"), QStringLiteral("--threshold"),
       QStringLiteral("90"), QStringLiteral("--source"), source});
  ASSERT_EQ(run.code, 0) << run.err.toStdString();
  const QJsonObject declared = QJsonDocument::fromJson(run.out).object();
  EXPECT_EQ(declared.value(QStringLiteral("width")).toInt(), 900);
  EXPECT_EQ(declared.value(QStringLiteral("height")).toInt(), 200);

  const QSize size(96, 32);
  PictureConversion file = PictureConversion::fromFile(photoPath, size);
  file.setOptions(options(PictureFit::Fill, PictureAlign::Right, LedColourMode::Dither, 90));
  const QByteArray bmp = home.read(QStringLiteral("out.bmp"));
  ASSERT_GT(bmp.size(), 30);
  EXPECT_EQ(int(bmp[28]), 24);
  EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32), file.converted());

  PictureConversion handed =
      PictureConversion::fromNeededSource(QImage(source, "PNG"), QSize(900, 200), size);
  for (PictureFit fit : {PictureFit::Inside, PictureFit::Fill, PictureFit::Stretch}) {
    for (LedColourMode mode : {LedColourMode::Threshold, LedColourMode::Dither}) {
      const ConversionOptions o = options(fit, PictureAlign::Left, mode, 150);
      file.setOptions(o);
      handed.setOptions(o);
      EXPECT_EQ(handed.converted(), file.converted()) << int(fit) << " " << int(mode);
      EXPECT_EQ(handed.fitted(), file.fitted()) << int(fit) << " " << int(mode);
    }
  }
}

TEST_F(ConvertCommand, BadInputExitsTwoAndWritesNothing) {
  ASSERT_TRUE(home.write(QStringLiteral("notes.png"), "not a picture"));
  const QString size = QStringLiteral("--size");
  const std::pair<QString, QStringList> rows[] = {
      {"missing --size", {photoPath, out}},
      {"zero width", {photoPath, out, size, QStringLiteral("0x32")}},
      {"no height", {photoPath, out, size, QStringLiteral("64")}},
      {"unknown fit",
       {photoPath, out, size, QStringLiteral("64x32"), QStringLiteral("--fit"),
        QStringLiteral("wide")}},
      {"threshold",
       {photoPath, out, size, QStringLiteral("64x32"), QStringLiteral("--threshold"),
        QStringLiteral("256")}},
      {"missing file", {home.file(QStringLiteral("none.png")), out, size, QStringLiteral("64x32")}},
      {"not a picture",
       {home.file(QStringLiteral("notes.png")), out, size, QStringLiteral("64x32"),
        QStringLiteral("--source"), source}},
  };
  for (const auto& [what, args] : rows) {
    const Result run = ledsignctl(QStringList{QStringLiteral("convert")} + args);
    EXPECT_EQ(run.code, 2) << what.toStdString();
    EXPECT_TRUE(run.err.contains("ledsignctl: ")) << what.toStdString();
    EXPECT_FALSE(home.exists(QStringLiteral("out.bmp"))) << what.toStdString();
    EXPECT_FALSE(home.exists(QStringLiteral("source.png"))) << what.toStdString();
  }
}

}  // namespace

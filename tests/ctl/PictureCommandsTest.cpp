#include <gtest/gtest.h>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include "CtlRun.h"
#include "PictureConvert.h"
#include "TestHome.h"

namespace {

CtlOutcome ledsignctl(const QString& command) { return runCtl(QProcess::splitCommand(command)); }

// The program picture is the picture import's conversion, and the source handed back converts
// in the editor, under every fit and colour mode, to what the file itself converts to.
TEST(ConvertCommand, ConvertsAsTheImportAndHandsBackTheSource) {
  TestHome home;
  QImage photo(900, 200, QImage::Format_ARGB32);  // flatter than the program, half transparent
  for (int y = 0; y < photo.height(); ++y)
    for (int x = 0; x < photo.width(); ++x)
      photo.setPixel(x, y, qRgba(255 - x * 255 / 899, x * 255 / 899, 60, y < 40 ? 120 : 255));
  ASSERT_TRUE(photo.save(home.file(QStringLiteral("photo.png"))));
  const auto [code, out, err] = ledsignctl(
      QStringLiteral("--json convert %1/photo.png %1/out.bmp --size 96x32 --fit fill --align right "
                     "--colours dither --threshold 90 --source %1/source.png")
          .arg(home.path()));
  ASSERT_EQ(code, 0) << err.toStdString();
  EXPECT_EQ(QJsonDocument::fromJson(out.toUtf8()).object().value(QStringLiteral("width")).toInt(),
            900);

  const QSize size(96, 32);
  PictureConversion file =
      PictureConversion::fromFile(home.file(QStringLiteral("photo.png")), size);
  ConversionOptions o{PictureFit::Fill, PictureAlign::Right, LedColourMode::Dither};
  o.threshold = 90;
  file.setOptions(o);
  const QByteArray bmp = home.read(QStringLiteral("out.bmp"));
  ASSERT_GT(bmp.size(), 30);
  EXPECT_EQ(int(bmp[28]), 24);
  EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32), file.converted());

  PictureConversion handed = PictureConversion::fromNeededSource(
      QImage(home.file(QStringLiteral("source.png")), "PNG"), QSize(900, 200), size);
  for (PictureFit fit : {PictureFit::Inside, PictureFit::Fill, PictureFit::Stretch}) {
    for (LedColourMode mode : {LedColourMode::Threshold, LedColourMode::Dither}) {
      file.setOptions({fit, PictureAlign::Left, mode});
      handed.setOptions({fit, PictureAlign::Left, mode});
      EXPECT_EQ(handed.converted(), file.converted()) << int(fit) << " " << int(mode);
    }
  }
}

TEST(ConvertCommand, BadInputExitsTwoAndWritesNothing) {
  TestHome home;
  ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(home.file(QStringLiteral("p.png"))));
  ASSERT_TRUE(home.write(QStringLiteral("notes.png"), "not a picture"));
  for (const char* args : {"p.png o.bmp", "p.png o.bmp --size 0x32", "p.png o.bmp --size 64",
                           "p.png o.bmp --size 64x32 --fit wide", "none.png o.bmp --size 64x32",
                           "notes.png o.bmp --size 64x32 --source s.png"}) {
    QString command = QStringLiteral("convert ") + QString::fromLatin1(args);
    command.replace(QRegularExpression(QStringLiteral("(\\w+\\.(png|bmp))")),
                    home.path() + QStringLiteral("/\\1"));
    const auto [code, out, err] = ledsignctl(command);
    EXPECT_EQ(code, 2) << args;
    EXPECT_TRUE(out.isEmpty() && err.contains("ledsignctl: ")) << args;
    EXPECT_FALSE(home.exists(QStringLiteral("o.bmp")) || home.exists(QStringLiteral("s.png")))
        << args;
  }
}

}  // namespace

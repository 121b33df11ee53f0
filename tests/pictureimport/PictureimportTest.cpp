#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>
#include <QBuffer>
#include <QComboBox>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>

#include "Pictureimport.h"
#include "WorkspaceFixture.h"

namespace {

constexpr QRgb kBlack = 0xff000000u, kGreen = 0xff008000u;

class PictureImportTest : public WorkspaceFixture {
 protected:
  PictureImportTest() {
    store.append(0, 64, 32, 0, 4, QStringLiteral("5"));
    // A colour photo-like picture: a red-to-green gradient with a dark band.
    QImage photo(300, 150, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
      for (int x = 0; x < photo.width(); ++x)
        photo.setPixel(x, y,
                       y < 50 ? qRgb(20, 20, 20) : qRgb(255 - x * 255 / 299, x * 255 / 299, 90));
    photoPath = home.file(QStringLiteral("photo.png"));
    EXPECT_TRUE(photo.save(photoPath));
    form.setToolDirectory(QStringLiteral(LEDSIGN_BIN_DIR));
  }

  // The files a write would touch, to see that nothing changed.
  std::pair<QByteArray, QByteArray> library() const {
    return {home.read(QStringLiteral("Program/0.bmp")),
            home.read(QStringLiteral("Program/set.ini"))};
  }

  ProgramStore& store = ws->store();
  TPictureImportForm form{store, prompt};
  QString photoPath;
  const PlaySettings play{3, 2, 9};
};

// OK stores the converted picture as a 24-bit BMP with its colour class and the play settings,
// whatever the controls were set to on the way.
TEST_F(PictureImportTest, OkWritesThePictureAndItsColourClass) {
  prompt.files = {photoPath};
  ASSERT_TRUE(form.launch(0, QSize(64, 32), play));
  EXPECT_TRUE(form.isVisible());
  form.ModeBox->setCurrentIndex(int(LedColourMode::OneColour));
  form.InkBox->setCurrentIndex(int(LedInk::Green));
  const QImage before = form.convertedPicture();
  form.ThresholdBar->setValue(30);  // the dark band stays dark, the rest lights
  const QImage expected = form.convertedPicture();
  EXPECT_NE(expected, before);
  QSignalSpy imported(&form, &TPictureImportForm::pictureImported);
  form.OkButton->click();

  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(imported.count(), 1);
  EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join(QLatin1Char('|')).toStdString();
  const QByteArray bmp = home.read(QStringLiteral("Program/0.bmp"));
  ASSERT_GT(bmp.size(), 30);
  EXPECT_EQ(int(bmp[28]), 24);
  const QImage stored = store.readPicture(0);
  EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB32), expected);
  EXPECT_EQ(stored.pixel(32, 4), kBlack);
  EXPECT_EQ(stored.pixel(32, 28), kGreen);
  EXPECT_EQ(store.readEntry(0), (ProgramEntry{64, 32, 2, 3, 2, 9}));
}

TEST_F(PictureImportTest, CancelWritesNothing) {
  const auto untouched = library();
  prompt.files = {photoPath};
  ASSERT_TRUE(form.launch(0, QSize(64, 32), play));
  form.ThresholdBar->setValue(60);
  form.CancelButton->click();
  EXPECT_FALSE(form.isVisible());
  // Cancelling the file dialog itself opens nothing.
  EXPECT_FALSE(form.launch(0, QSize(64, 32), play));
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(library(), untouched);
  EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(PictureImportTest, ABadFileIsReportedOnceAndChangesNothing) {
  ASSERT_TRUE(home.write(QStringLiteral("notes.png"), "not a picture at all"));
  ASSERT_TRUE(home.write(QStringLiteral("huge.png"), [] {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(16385, 2, QImage::Format_Mono).save(&buffer, "PNG");
    return bytes;
  }()));
  const auto untouched = library();
  for (const char* name : {"notes.png", "huge.png", "missing.jpg"}) {
    prompt.messages.clear();
    prompt.files = {home.file(QString::fromLatin1(name))};
    EXPECT_FALSE(form.launch(0, QSize(64, 32), play)) << name;
    EXPECT_EQ(prompt.messages.size(), 1) << name;
    EXPECT_FALSE(form.isVisible()) << name;
    EXPECT_EQ(library(), untouched) << name;
  }
}

// Hostile pictures are decoded in the child process: each is refused or stopped with one
// message, and the editor goes on importing.
TEST_F(PictureImportTest, HostilePicturesGiveOneMessageAndTheEditorGoesOn) {
  auto svg = [](const QByteArray& body) {
    return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
           "width='64' height='32'>" +
           body + "</svg>";
  };
  for (const char* target : {"photo.png", "self.svg", "fifo"}) {  // local.svg, self.svg, fifo.svg
    const QString name = target == QByteArray("photo.png") ? "local" : QFileInfo(target).baseName();
    ASSERT_TRUE(home.write(name + ".svg", svg(QByteArray("<image xlink:href='") + target +
                                              "' width='64' height='32'/>")));
  }
  ASSERT_EQ(mkfifo(home.file(QStringLiteral("fifo")).toLocal8Bit().constData(), 0600), 0);
  const QByteArray big = svg("<!--" + QByteArray(17 << 20, ' ') + "-->");  // a few KiB of gzip
  gzFile gz = gzopen(home.file(QStringLiteral("big.svgz")).toLocal8Bit().constData(), "wb9");
  ASSERT_EQ(gzwrite(gz, big.constData(), unsigned(big.size())), int(big.size()));
  gzclose(gz);
  const auto untouched = library();
  const std::tuple<const char*, const char*, const char*> rows[] = {
      // file, how long the child sleeps before decoding, what the message says
      {"local.svg", "", "引用了其他图片"},      {"self.svg", "", "引用了其他图片"},
      {"fifo.svg", "", "引用了其他图片"},       {"big.svgz", "", "解压后超过 16 MiB"},
      {"photo.png", "3000", "读取超过 0.5 秒"},
  };
  for (const auto& [file, delayMs, says] : rows) {
    prompt.messages.clear();
    // Only the sleeping child meets the short limit: starting the child and inflating big.svgz
    // under the sanitizers on a busy machine can themselves take longer than half a second.
    form.setDecodeTimeLimit(*delayMs ? 500 : ChildDecodeTimeMs);
    qputenv("LEDSIGN_TEST_CONVERT_DELAY_MS", delayMs);
    EXPECT_FALSE(form.openPicture(home.file(QString::fromLatin1(file)), 0, {64, 32}, play)) << file;
    ASSERT_EQ(prompt.messages.size(), 1) << file;
    EXPECT_TRUE(prompt.messages[0].contains(QString::fromUtf8(says))) << file;
    EXPECT_FALSE(form.isVisible()) << file;
    EXPECT_EQ(library(), untouched) << file;
  }
  qunsetenv("LEDSIGN_TEST_CONVERT_DELAY_MS");
  form.setDecodeTimeLimit(ChildDecodeTimeMs);
  prompt.messages.clear();
  EXPECT_TRUE(form.openPicture(photoPath, 0, {64, 32}, play));
  EXPECT_TRUE(prompt.messages.isEmpty());
}

}  // namespace

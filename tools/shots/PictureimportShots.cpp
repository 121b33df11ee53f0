// The picture import converting a colour photo (dithered, filling the program) and a logo
// (thresholded, fitted inside).

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QTest>

#include "Pictureimport.h"
#include "ProgramStore.h"
#include "ScreenShot.h"

namespace {

// A landscape "photo": sky, sun, hills, a red roof.
QImage photo() {
  QImage img(1200, 800, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 800);
  sky.setColorAt(0, QColor(30, 80, 190));
  sky.setColorAt(0.55, QColor(250, 190, 110));
  sky.setColorAt(1, QColor(250, 230, 180));
  p.fillRect(img.rect(), sky);
  QRadialGradient sun(QPointF(880, 260), 140);
  sun.setColorAt(0, QColor(255, 250, 200));
  sun.setColorAt(0.5, QColor(255, 200, 40));
  sun.setColorAt(1, QColor(255, 160, 40, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sun);
  p.drawEllipse(QPointF(880, 260), 140, 140);
  QPainterPath hills(QPointF(0, 560));
  hills.cubicTo(300, 430, 500, 640, 800, 520);
  hills.cubicTo(1000, 450, 1100, 520, 1200, 500);
  hills.lineTo(1200, 800);
  hills.lineTo(0, 800);
  QLinearGradient grass(0, 450, 0, 800);
  grass.setColorAt(0, QColor(90, 170, 60));
  grass.setColorAt(1, QColor(20, 80, 30));
  p.setBrush(grass);
  p.drawPath(hills);
  p.setBrush(QColor(240, 235, 220));
  p.drawRect(250, 470, 160, 110);
  p.setBrush(QColor(200, 40, 30));
  p.drawPolygon(QPolygonF({QPointF(230, 480), QPointF(330, 390), QPointF(430, 480)}));
  return img;
}

// A logo on a transparent ground: a red ring, green words, a yellow bar.
QImage logo() {
  QImage img(900, 300, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(230, 30, 30), 36));
  p.drawEllipse(QPointF(150, 150), 105, 105);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 220, 30));
  p.drawRect(300, 220, 560, 30);
  p.setPen(QColor(40, 200, 70));
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(150);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(300, 30, 580, 180), Qt::AlignCenter, QStringLiteral("光明"));
  return img;
}

void shoot(TPictureImportForm& form, const QString& file) {
  form.move(0, 0);
  for (int k = 0; k < 20; ++k) {
    QCoreApplication::processEvents();
    QTest::qWait(50);
  }
  const QString screen = file + QStringLiteral(".root.png");
  ASSERT_EQ(QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"), screen}),
            0);
  const QImage root(screen);
  ASSERT_FALSE(root.isNull());
  EXPECT_TRUE(root.copy(form.frameGeometry()).save(file));
  QFile::remove(screen);
}

TEST(PictureImportShots, PhotoDitheredAndLogoByThreshold) {
  ShotHome home;
  ProgramStore store(home.path());
  store.append(0, 192, 64, 0, 4, QStringLiteral("5"));
  ShotPrompt prompt;
  ASSERT_TRUE(photo().save(home.file(QStringLiteral("photo.jpg")), "JPEG", 90));
  ASSERT_TRUE(logo().save(home.file(QStringLiteral("logo.png"))));

  TPictureImportForm form(store, prompt);
  form.setToolDirectory(QStringLiteral(LEDSIGN_BIN_DIR));
  ASSERT_TRUE(form.openPicture(home.file(QStringLiteral("photo.jpg")), 0, {192, 64}, {}));
  form.FitBox->setCurrentIndex(int(PictureFit::Fill));
  form.ModeBox->setCurrentIndex(int(LedColourMode::Dither));
  shoot(form, shotFile(QStringLiteral("pictureimport-photo.png")));
  form.reject();

  ASSERT_TRUE(form.openPicture(home.file(QStringLiteral("logo.png")), 0, {192, 64}, {}));
  form.FitBox->setCurrentIndex(int(PictureFit::Inside));
  form.ModeBox->setCurrentIndex(int(LedColourMode::Threshold));
  shoot(form, shotFile(QStringLiteral("pictureimport-logo.png")));
  form.reject();
  EXPECT_TRUE(prompt.messages.isEmpty());
}

}  // namespace

// Picture import figures: a camera-sized JPEG converted for the largest program with dithering,
// and the preview's update when only the threshold moves.
#include <benchmark/benchmark.h>
#include <QBuffer>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "PictureConvert.h"

namespace {

const QSize kProgram(640, 256);

// A 4000 x 3000 colour "photo": gradients, soft shapes and grain, saved as a JPEG in memory.
const QByteArray& photoJpeg() {
  static const QByteArray bytes = [] {
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, 3000);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(0.6, QColor(250, 200, 120));
    sky.setColorAt(1, QColor(30, 110, 40));
    painter.fillRect(photo.rect(), sky);
    for (int k = 0; k < 40; ++k) {
      QRadialGradient blob(QPointF(97 * k % 4000, 61 * k * k % 3000), 150 + 13 * k);
      blob.setColorAt(0, QColor::fromHsv(k * 37 % 360, 200, 255, 220));
      blob.setColorAt(1, Qt::transparent);
      painter.setBrush(blob);
      painter.setPen(Qt::NoPen);
      painter.drawEllipse(blob.center(), blob.radius(), blob.radius());
    }
    painter.end();
    // Sensor-like grain, so the JPEG is as large as a camera's and decodes as slowly.
    quint32 seed = 12345;
    for (int y = 0; y < photo.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
      for (int x = 0; x < photo.width(); ++x) {
        seed = seed * 1664525u + 1013904223u;
        const int grain = int(seed >> 27) - 16;
        auto ch = [grain](int v) { return std::clamp(v + grain, 0, 255); };
        row[x] = qRgb(ch(qRed(row[x])), ch(qGreen(row[x])), ch(qBlue(row[x])));
      }
    }
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPEG", 90);
    return out;
  }();
  return bytes;
}

// Read, decode, fit inside and dither: everything between the file and the preview.
void BM_ImportPhotoDithered(benchmark::State& state) {
  const QByteArray& jpeg = photoJpeg();
  ConversionOptions options;
  options.mode = LedColourMode::Dither;
  for (auto _ : state) {
    PictureConversion c = PictureConversion::fromBytes(jpeg, kProgram, QStringLiteral("photo"));
    c.setOptions(options);
    benchmark::DoNotOptimize(c.converted().constBits());
  }
  state.counters["jpeg_MiB"] = double(jpeg.size()) / (1024 * 1024);
}
BENCHMARK(BM_ImportPhotoDithered)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Moving the threshold slider: only the colours are worked out again.
void BM_ThresholdChange(benchmark::State& state) {
  PictureConversion c =
      PictureConversion::fromBytes(photoJpeg(), kProgram, QStringLiteral("photo"));
  ConversionOptions options;
  options.mode = static_cast<LedColourMode>(state.range(0));
  options.fit = PictureFit::Fill;
  int threshold = 100;
  for (auto _ : state) {
    options.threshold = threshold;
    threshold = threshold == 100 ? 160 : 100;
    c.setOptions(options);
    benchmark::DoNotOptimize(c.converted().constBits());
  }
}
BENCHMARK(BM_ThresholdChange)
    ->ArgName("mode")
    ->Arg(int(LedColourMode::Threshold))
    ->Arg(int(LedColourMode::Dither))
    ->Arg(int(LedColourMode::OneColour))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// Importing a camera-sized JPEG: decoded by ledsignctl in a child process, as the picture import
// window does it, against decoding it in the editor's own process.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>

#include "Pictureimport.h"
#include "Prompt.h"

namespace {

const QSize kProgram(640, 256);

class SilentPrompt final : public Prompt {
 public:
  void message(QWidget*, const QString&) override {}
  bool question(QWidget*, const QString&) override { return false; }
  QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }
  std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override { return {}; }
};

// A 4000 x 3000 JPEG with gradients and grain, so that it decodes as slowly as a camera's.
QString photoJpeg(const QTemporaryDir& dir) {
  QImage photo(4000, 3000, QImage::Format_RGB32);
  QPainter painter(&photo);
  QLinearGradient sky(0, 0, 4000, 3000);
  sky.setColorAt(0, QColor(40, 90, 200));
  sky.setColorAt(0.6, QColor(250, 200, 120));
  sky.setColorAt(1, QColor(30, 110, 40));
  painter.fillRect(photo.rect(), sky);
  painter.end();
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
  const QString path = dir.filePath(QStringLiteral("photo.jpg"));
  photo.save(path, "JPEG", 90);
  return path;
}

void BM_ImportInEditorProcess(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = photoJpeg(dir);
  for (auto _ : state) {
    PictureConversion c = PictureConversion::fromFile(path, kProgram);
    benchmark::DoNotOptimize(c.converted().constBits());
  }
}
BENCHMARK(BM_ImportInEditorProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The window's whole open: the child's start, its decode, the files back, the preview.
void BM_ImportThroughChildProcess(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = photoJpeg(dir);
  ProgramStore store(dir.path());
  SilentPrompt prompt;
  TPictureImportForm form(store, prompt);
  form.setToolDirectory(QStringLiteral(LEDSIGN_BIN_DIR));
  for (auto _ : state) {
    if (!form.openPicture(path, 0, kProgram, {})) state.SkipWithError("the import failed");
    form.reject();
  }
}
BENCHMARK(BM_ImportThroughChildProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

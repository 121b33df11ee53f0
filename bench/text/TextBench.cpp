#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include "Fonts.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "TextFormat.h"
#include "TextRender.h"

namespace {

const QString kChinese = QStringLiteral(
    "欢迎光临本店今日特价商品一律八折优惠请排队购买谢谢合作祝您生活愉快新年快乐万事如意");

// A 640 x 256 page of 16-pixel Chinese text: 16 lines of 40 characters, in the three colours.
void fillPage(QTextDocument& doc) {
  doc.setDocumentMargin(0);
  QFont font(ledtext::DefaultFace);
  font.setPixelSize(16);
  doc.setDefaultFont(font);
  QTextCursor c(&doc);
  const QColor colours[] = {ledtext::Red, ledtext::Green, ledtext::Yellow};
  for (int line = 0; line < 16; ++line) {
    if (line > 0) c.insertBlock();
    QTextCharFormat f;
    f.setForeground(colours[line % 3]);
    c.insertText(kChinese.left(40), f);
  }
  ledtext::makeAliased(doc);
}

void BM_RenderAndPlaceFullPage(benchmark::State& state) {
  QTextDocument doc;
  fillPage(doc);
  for (auto _ : state) {
    const QImage rendered = ledtext::renderRichText(doc, QSize(640, 256));
    QImage placed = ledtext::placeTextBand(rendered, 1);
    benchmark::DoNotOptimize(placed.bits());
  }
}
BENCHMARK(BM_RenderAndPlaceFullPage)->Unit(benchmark::kMillisecond);

// About 10 KiB of RTF: mixed Chinese and Latin runs in the three colours and two sizes.
void fillTenKiB(QTextDocument& doc) {
  doc.setDefaultFont(QFont(ledtext::DefaultFace, ledtext::DefaultPointSize));
  QTextCursor c(&doc);
  const QColor colours[] = {ledtext::Red, ledtext::Green, ledtext::Yellow};
  int i = 0;
  while (writeRtf(doc).size() < 10 * 1024) {
    QTextCharFormat f;
    f.setForeground(colours[i % 3]);
    f.setFontPointSize(i % 2 ? 20 : 16);
    f.setFontWeight(i % 4 == 0 ? QFont::Bold : QFont::Normal);
    c.insertText(kChinese.mid(i % 20, 20) + QStringLiteral(" LED sign 2024 "), f);
    if (++i % 4 == 0) c.insertBlock();
  }
}

void BM_RtfWrite10KiB(benchmark::State& state) {
  QTextDocument doc;
  fillTenKiB(doc);
  qint64 bytes = 0;
  for (auto _ : state) {
    const QByteArray rtf = writeRtf(doc);
    bytes += rtf.size();
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_RtfWrite10KiB)->Unit(benchmark::kMicrosecond);

void BM_RtfRead10KiB(benchmark::State& state) {
  QTextDocument source;
  fillTenKiB(source);
  const QByteArray rtf = writeRtf(source);
  for (auto _ : state) {
    QTextDocument doc;
    readRtf(rtf, doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfRead10KiB)->Unit(benchmark::kMicrosecond);

// About 1 MB of RTF in 100 000 short runs, as some writers leave it: every few characters a
// group of its own, all in one paragraph. range(0) 0: the runs repeat one format; 1: they alternate
// three colours.
QByteArray manyRuns(bool alternating) {
  QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green255\\blue0;}"
      "\\pard\\qc ";
  for (int i = 0; i < 100000; ++i) {
    rtf += "{\\f0\\fs20\\cf" + QByteArray::number(alternating ? 1 + i % 3 : 1) + " \\'d6\\'d0a}";
  }
  return rtf + "}";
}

// Opening such a file in the editor: read, then render it into a 640 x 256 picture.
void BM_ReadAndRender100kRuns(benchmark::State& state) {
  const QByteArray rtf = manyRuns(state.range(0) != 0);
  for (auto _ : state) {
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(QFont(ledtext::DefaultFace, ledtext::DefaultPointSize));
    readRtf(rtf, doc);
    ledtext::makeAliased(doc);
    const ledtext::RenderedText out = ledtext::renderText(doc, QSize(640, 256));
    benchmark::DoNotOptimize(out.droppedLines);
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadAndRender100kRuns)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

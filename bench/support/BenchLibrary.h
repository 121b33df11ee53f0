#pragma once
// The library the transfer benchmarks send: programs of 320 x 64 in red, green and yellow, with
// every play mode, speed and a range of dwell times.

#include <QColor>
#include <QImage>
#include <QString>

#include "ProgramStore.h"

inline void writeBenchLibrary(ProgramStore& store, int programs) {
  for (int k = 0; k < programs; ++k) {
    QImage img(320, 64, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 0)};
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 320; ++x) img.setPixel(x, y, colours[(x * 7 + y * 3 + k) % 4]);
    store.append(k, 320, 64, k % 16, k % 6, QString::number(k % 256));
    store.writePicture(k, img);
    store.writeSettings(k, ProgramEntry{320, 64, 3, k % 16, k % 6, k % 256});
  }
}

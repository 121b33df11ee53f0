#include "EditorRules.h"

#include <algorithm>

namespace ledtext {

namespace {

int roundUpTo16(int v) {
  const int rest = v % 16;
  return rest == 0 ? v : v + 16 - rest;
}

}  // namespace

CorrectedSize correctSaveSize(int width, int height, int screenWidth, int screenHeight) {
  CorrectedSize s{width, height, 0};
  if (s.width > MaxProgramWidth) {
    s.width = MaxProgramWidth;
    ++s.corrections;
  }
  if (s.width % 16 != 0) {
    s.width = roundUpTo16(s.width);
    ++s.corrections;
  }
  if (s.height % 16 != 0) {
    s.height = roundUpTo16(s.height);
    ++s.corrections;
  }
  if (s.width < screenWidth) {
    s.width = screenWidth;
    ++s.corrections;
  }
  if (s.height < screenHeight) {
    s.height = screenHeight;
    ++s.corrections;
  }
  return s;
}

QString modelLimitMessage(int controllerModel, int colourClass, int width, int height) {
  const bool twoColours = colourClass == 3;
  const qint64 area = qint64(width) * height;
  if (controllerModel == 2) {
    if (height > 256) return QStringLiteral("最大高度不能大于256");
    if (twoColours && width > 320) return QStringLiteral("最大宽度不能大于320");
    if (!twoColours && width > 640) return QStringLiteral("最大宽度不能大于640");
    if (area / (twoColours ? 4 : 8) > 5120) return QStringLiteral("超出系统最大屏宽屏高的定义");
  } else if (controllerModel == 1) {
    if (height > 64) return QStringLiteral("最大高度不能大于64");
    if (twoColours && width > 320) return QStringLiteral("最大宽度不能大于320");
    if (!twoColours && width > 640) return QStringLiteral("最大宽度不能大于640");
  }
  return {};
}

QSize dragReleaseSize(int x, int y, int screenWidth, int screenHeight) {
  int w = std::clamp(x, 0, MaxProgramWidth);
  int h = std::max(y, 0);
  w = roundUpTo16(w);
  h = roundUpTo16(h);
  return {std::max(w, screenWidth), std::max(h, screenHeight)};
}

QString signSizeText(int width, int height) {
  return QStringLiteral("LED 屏宽:%1 屏高:%2").arg(width).arg(height);
}

QString programSizeText(int width, int height) {
  return QStringLiteral("节目 屏宽:%1 屏高:%2").arg(width).arg(height);
}

}  // namespace ledtext

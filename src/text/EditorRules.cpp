#include "EditorRules.h"

#include <QCoreApplication>
#include <algorithm>

#include "ProgramLimits.h"
#include "protocol/Limits.h"

namespace ledtext {

namespace {

int roundUpToStep(int v) {
  const int rest = v % nq::kProgramSideStep;
  return rest == 0 ? v : v + nq::kProgramSideStep - rest;
}

}  // namespace

CorrectedSize correctSaveSize(int width, int height, int screenWidth, int screenHeight) {
  CorrectedSize s{width, height, 0};
  if (s.width > nq::kMaxProgramWidth) {
    s.width = nq::kMaxProgramWidth;
    ++s.corrections;
  }
  if (s.width % nq::kProgramSideStep != 0) {
    s.width = roundUpToStep(s.width);
    ++s.corrections;
  }
  if (s.height % nq::kProgramSideStep != 0) {
    s.height = roundUpToStep(s.height);
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
  if (controllerModel != 1 && controllerModel != 2) return {};
  return sizeLimitMessage(controllerModel, colourClass, width, height);
}

QSize dragReleaseSize(int x, int y, int screenWidth, int screenHeight) {
  int w = std::clamp(x, 0, nq::kMaxProgramWidth);
  int h = std::max(y, 0);
  w = roundUpToStep(w);
  h = roundUpToStep(h);
  return {std::max(w, screenWidth), std::max(h, screenHeight)};
}

QString signSizeText(int width, int height) {
  return QCoreApplication::translate("EditorRules", "LED 屏宽:%1 屏高:%2").arg(width).arg(height);
}

QString programSizeText(int width, int height) {
  return QCoreApplication::translate("EditorRules", "节目 屏宽:%1 屏高:%2").arg(width).arg(height);
}

}  // namespace ledtext

#include "EffectStepper.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::array<int, 6> speedIntervals{50, 40, 30, 20, 15, 10};

bool isMovingMode(int mode) {
  return (mode >= EffectStepper::MoveLeft && mode <= EffectStepper::MoveDown) ||
         (mode >= EffectStepper::EnterDiagonally && mode <= EffectStepper::MoveInOutRight);
}

bool isOpeningMode(int mode) {
  return mode >= EffectStepper::OpenFromLeft && mode <= EffectStepper::OpenFromBottom;
}

bool isBarsMode(int mode) {
  return mode == EffectStepper::ShrinkingVerticalBars ||
         mode == EffectStepper::ShrinkingHorizontalBars;
}

}  // namespace

std::optional<int> EffectStepper::intervalForSpeed(int speed) {
  if (speed < 0 || speed >= static_cast<int>(speedIntervals.size())) return std::nullopt;
  return speedIntervals[static_cast<std::size_t>(speed)];
}

int EffectStepper::dwellLimitFor(int dwellSeconds) {
  return static_cast<std::int16_t>(dwellSeconds) * 1000 / 4;
}

void EffectStepper::open(QSize sign, QSize picture) {
  signWidth_ = sign.width();
  signHeight_ = sign.height();
  pictureWidth_ = picture.width();
  pictureHeight_ = picture.height();
  stepCounter_ = 0;
  mode_ = OpenFromLeft;
  speed_ = 10;
  dwellLimit_ = 2000;
  dwellCounter_ = 0;
  scene_ = PreviewScene{};
  scene_.cover = QRect(0, 0, pictureWidth_, pictureHeight_);
}

void EffectStepper::play(const Settings& settings) {
  mode_ = settings.mode;
  speed_ = settings.speed;
  dwellLimit_ = dwellLimitFor(settings.dwellSeconds);
  interval_ = intervalForSpeed(settings.speed).value_or(interval_);
  if (!isBarsMode(mode_)) scene_.bars = PreviewScene::Bars::None;
}

void EffectStepper::stop() {
  scene_.pictureVisible = false;
  scene_.coverVisible = false;
  scene_.bars = PreviewScene::Bars::None;
}

const PreviewScene& EffectStepper::tick() {
  if (mode_ == ShowAtOnce) {
    if (!scene_.pictureVisible) {
      scene_.picture = QPoint(0, 0);
      scene_.pictureVisible = true;
    }
    scene_.coverVisible = false;
  } else if (mode_ == Flash) {
    scene_.picture = QPoint(0, 0);
    scene_.pictureVisible = !scene_.pictureVisible;
  } else if (isMovingMode(mode_) || isOpeningMode(mode_) || isBarsMode(mode_)) {
    if (dwellCounter_ != 0) {
      dwellTick();
    } else if (isMovingMode(mode_)) {
      moveStep();
    } else if (isOpeningMode(mode_)) {
      openStep();
    } else {
      barsStep();
    }
  }
  return scene_;
}

void EffectStepper::dwellTick() {
  ++dwellCounter_;
  // 250 per second of dwell against twice the time played: about 125 ms of preview per second.
  if (2 * dwellCounter_ * interval_ >= dwellLimit_) {
    dwellCounter_ = 0;
    if (mode_ == MoveLeft || mode_ == MoveRight) stepCounter_ = 0;
  }
}

int EffectStepper::diagonalRatio() const { return signHeight_ != 0 ? signWidth_ / signHeight_ : 0; }

void EffectStepper::moveStep() {
  const int step = stepCounter_;
  const int w = signWidth_;
  const int h = signHeight_;
  QPoint at;
  bool watchesY = false;
  switch (mode_) {
    case MoveLeft:
    case MoveInOutRight:
      at = QPoint(w - step, 0);
      break;
    case MoveRight:
    case MoveInOutLeft:
      at = QPoint(step - w, 0);
      break;
    case MoveUp:
      at = QPoint(0, h - step);
      watchesY = true;
      break;
    case MoveDown:
      at = QPoint(0, step - h);
      watchesY = true;
      break;
    case EnterDiagonally:
      at = QPoint(step * diagonalRatio() - w, step - h);
      watchesY = true;
      break;
    case EnterOtherDiagonal:
      at = QPoint(w - step * diagonalRatio(), step - h);
      watchesY = true;
      break;
    default:
      return;
  }
  scene_.picture = at;
  ++stepCounter_;
  if ((watchesY ? at.y() : at.x()) == 0) ++dwellCounter_;
  if (stepCounter_ >= 2 * (watchesY ? pictureHeight_ : pictureWidth_)) stepCounter_ = 0;
  scene_.pictureVisible = true;
}

void EffectStepper::openStep() {
  const int step = stepCounter_;
  scene_.picture = QPoint(0, 0);
  QRect& cover = scene_.cover;
  switch (mode_) {
    case OpenFromLeft:
    case OpenFromRight:
      cover.moveTo(step, 0);
      break;
    case OpenFromTop:
      cover = QRect(0, step, cover.width(), std::max(0, signHeight_ - step));
      break;
    case OpenFromBottom:
      cover = QRect(0, 0, cover.width(), std::max(0, signHeight_ - step));
      break;
    default:
      return;
  }
  stepCounter_ += mode_ == OpenFromRight ? -1 : 1;
  const bool done = (mode_ == OpenFromLeft || mode_ == OpenFromRight)
                        ? std::abs(stepCounter_) >= signWidth_
                        : stepCounter_ >= pictureHeight_;
  if (done) {
    stepCounter_ = 0;
    ++dwellCounter_;
  }
  scene_.coverVisible = true;
  scene_.pictureVisible = true;
}

void EffectStepper::barsStep() {
  scene_.picture = QPoint(0, 0);
  scene_.coverVisible = false;
  scene_.bars = mode_ == ShrinkingVerticalBars ? PreviewScene::Bars::Vertical
                                               : PreviewScene::Bars::Horizontal;
  scene_.barWidth = BarPitch - stepCounter_;
  ++stepCounter_;
  if (scene_.barWidth == 0) {
    stepCounter_ = 0;
    ++dwellCounter_;
  }
  scene_.pictureVisible = true;
}

QList<QRect> EffectStepper::barRects() const {
  QList<QRect> rects;
  if (scene_.bars == PreviewScene::Bars::None || scene_.barWidth <= 0) return rects;
  const QRect pictureRect(scene_.picture, QSize(pictureWidth_, pictureHeight_));
  const bool vertical = scene_.bars == PreviewScene::Bars::Vertical;
  const int extent = vertical ? pictureWidth_ : pictureHeight_;
  for (int offset = 0; offset < extent; offset += BarPitch) {
    const QRect bar = vertical ? QRect(offset, 0, scene_.barWidth, pictureHeight_)
                               : QRect(0, offset, pictureWidth_, scene_.barWidth);
    rects << bar.translated(scene_.picture).intersected(pictureRect);
  }
  return rects;
}

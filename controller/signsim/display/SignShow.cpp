#include "SignShow.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <mutex>

#include "Program.h"

namespace signsim {

namespace {

QImage toQImage(const nq::Image& img) {
  QImage out(img.width, img.height, QImage::Format_RGB32);
  for (int y = 0; y < img.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < img.width; ++x) {
      const uint8_t* p = img.px(x, y);
      line[x] = qRgb(p[0], p[1], p[2]);
    }
  }
  return out;
}

// Modes whose stepper counts a transition and a dwell; the others (0 show at once, 9 flash)
// hold for the dwell's number of ticks.
bool hasDwell(int mode) {
  return mode != EffectStepper::ShowAtOnce && mode != EffectStepper::Flash && mode >= 0 &&
         mode <= EffectStepper::ShrinkingHorizontalBars;
}

}  // namespace

bool SignShow::follow(CardStore& store) {
  std::vector<uint8_t> stream;
  int count = 0;
  bool newPrograms = false;
  const QSize oldSize = signSize();
  const ProgramIoTable oldIo = io_;
  {
    std::lock_guard lock(store.mutex());
    config_ = store.config();
    io_ = store.ioTable();
    if (!loaded_ || store.programsVersion() != version_) {
      version_ = store.programsVersion();
      stream = store.programStream();
      count = store.programCount();
      newPrograms = true;
    }
  }
  const bool first = !loaded_;
  loaded_ = true;
  if (newPrograms) {
    programs_.clear();
    std::vector<nq::WireProgram> parsed;
    if (nq::parseProgramStream(stream, count, parsed)) {
      programs_.reserve(parsed.size());
      for (const auto& p : parsed)
        programs_.push_back({toQImage(nq::decodeProgram(p)), p.settings.playMode,
                             p.settings.playSpeed, p.settings.dwell});
    }
  }
  const bool lineChanged =
      line_ >= 0 && std::memcmp(&oldIo.lines[line_], &io_.lines[line_], sizeof io_.lines[0]) != 0;
  if (!first && !newPrograms && !lineChanged && signSize() == oldSize) return false;
  rebuildOrder();
  restart();
  return true;
}

void SignShow::rebuildOrder() {
  order_.clear();
  if (line_ >= 0) {
    const ProgramIoEntry& e = io_.lines[line_];
    for (int i = 0; i < std::clamp(e.count, 0, 16); ++i)
      if (e.programs[i] >= 0 && e.programs[i] < programCount()) order_.push_back(e.programs[i]);
    if (!order_.empty()) return;
    line_ = -1;  // the line no longer names a stored program
  }
  for (int n = 0; n < programCount(); ++n) order_.push_back(n);
}

void SignShow::restart() {
  pos_ = -1;
  turnDone_ = true;
  if (!order_.empty()) {
    pos_ = 0;
    startTurn();
  }
}

void SignShow::startTurn() {
  const Program& p = programs_[size_t(order_[size_t(pos_)])];
  stepper_.open(signSize(), p.picture.size());
  stepper_.play({p.mode, p.speed, p.dwell});
  ticksInTurn_ = 0;
  turnDone_ = false;
  // The dwell of a mode without one lasts as long as a moving mode's: until 2 x ticks x I
  // reaches the dwell limit, at least one tick.
  const int limit = EffectStepper::dwellLimitFor(p.dwell);
  const int perTick = 2 * stepper_.interval();
  holdTicks_ = std::max(1, (limit + perTick - 1) / perTick);
}

bool SignShow::turnHasDwell() const { return hasDwell(stepper_.mode()); }

void SignShow::tick() {
  if (order_.empty()) return;
  if (turnDone_) {
    pos_ = (pos_ + 1) % int(order_.size());
    startTurn();
  }
  stepper_.tick();
  ++ticksInTurn_;
  // A turn is one whole cycle of the stepper: back where open left it (a transition, the dwell
  // and, where the mode has one, the way out).
  turnDone_ = turnHasDwell() ? stepper_.stepCounter() == 0 && stepper_.dwellCounter() == 0
                             : ticksInTurn_ >= holdTicks_;
}

int SignShow::interval() const { return order_.empty() ? IdleInterval : stepper_.interval(); }

bool SignShow::selectLine(int line) {
  if (line < 0 || line > 5) return false;
  const ProgramIoEntry& e = io_.lines[line];
  bool any = false;
  for (int i = 0; i < std::clamp(e.count, 0, 16); ++i)
    any = any || (e.programs[i] >= 0 && e.programs[i] < programCount());
  if (!any) return false;
  line_ = line;
  rebuildOrder();
  restart();
  return true;
}

void SignShow::selectAll() {
  line_ = -1;
  rebuildOrder();
  restart();
}

int SignShow::playing() const { return pos_ >= 0 ? order_[size_t(pos_)] : -1; }

const SignShow::Program* SignShow::program(int n) const {
  return n >= 0 && n < programCount() ? &programs_[size_t(n)] : nullptr;
}

QDateTime SignShow::cardClock(const QDateTime& hostNow) const {
  return hostNow.addSecs(config_.clockOffset);
}

int SignShow::levelAt(const QTime& cardTime) const {
  int level = config_.brightness;
  if (config_.dayNight) {
    const bool day = cardTime.hour() >= DayStartHour && cardTime.hour() < NightStartHour;
    level = day ? config_.day : config_.night;
  }
  return std::clamp(level, 1, FullLevel);
}

bool SignShow::litAt(const QTime& cardTime) const {
  const int on = config_.onOff[0] * 60 + config_.onOff[1];
  const int off = config_.onOff[2] * 60 + config_.onOff[3];
  const int now = cardTime.hour() * 60 + cardTime.minute();
  if (on == off) return true;
  if (on < off) return now >= on && now < off;
  return now >= on || now < off;  // switched on over midnight
}

QImage SignShow::scene() const {
  const QSize size = signSize().expandedTo({1, 1});
  QImage out(size, QImage::Format_RGB32);
  out.fill(Qt::black);
  if (pos_ < 0) return out;
  const PreviewScene& s = stepper_.scene();
  QPainter painter(&out);
  if (s.pictureVisible)
    painter.drawImage(s.picture, programs_[size_t(order_[size_t(pos_)])].picture);
  if (s.coverVisible) painter.fillRect(s.cover, Qt::black);
  for (const QRect& bar : stepper_.barRects()) painter.fillRect(bar, Qt::black);
  return out;
}

QImage SignShow::frame(const QDateTime& cardNow) const {
  QImage out = scene();
  if (pos_ < 0) return out;
  const QTime t = cardNow.time();
  if (!litAt(t)) {
    out.fill(Qt::black);
    return out;
  }
  const int level = levelAt(t);
  if (level == FullLevel) return out;
  uint8_t dim[256];
  for (int v = 0; v < 256; ++v) dim[v] = uint8_t(v * level / FullLevel);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      line[x] = qRgb(dim[qRed(line[x])], dim[qGreen(line[x])], dim[qBlue(line[x])]);
  }
  return out;
}

}  // namespace signsim

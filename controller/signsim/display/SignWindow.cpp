#include "SignWindow.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Card.h"

namespace signsim {

namespace {

// One LED cell: opaque black with a clear round hole, laid over the scaled frame.
QImage dotMask(int zoom) {
  QImage tile(zoom, zoom, QImage::Format_ARGB32_Premultiplied);
  tile.fill(Qt::black);
  QPainter painter(&tile);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setCompositionMode(QPainter::CompositionMode_Clear);
  const qreal d = zoom * 0.8;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QRectF((zoom - d) / 2, (zoom - d) / 2, d, d));
  return tile;
}

}  // namespace

int defaultZoom(QSize sign) {
  if (sign.width() <= 0 || sign.height() <= 0) return 1;
  const int wide = int(std::lround(640.0 / sign.width()));
  const int high = std::max(1, 800 / sign.height());
  return std::clamp(std::min(wide, high), 1, 64);
}

QImage renderSign(const QImage& frame, int zoom, bool plain) {
  QImage out = frame.convertToFormat(QImage::Format_RGB32)
                   .scaled(frame.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (plain || zoom < 3) return out;
  QPainter painter(&out);
  painter.fillRect(out.rect(), QBrush(dotMask(zoom)));
  return out;
}

// Shows the window's current image at its size.
class SignView : public QWidget {
 public:
  explicit SignView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, image_);
  }

 private:
  const QImage& image_;
};

SignWindow::SignWindow(CardStore& store, DisplayOptions options, QWidget* parent)
    : QWidget(parent), store_(store), options_(std::move(options)) {
  setFocusPolicy(Qt::StrongFocus);
  view_ = new SignView(shown_, this);
  statusLine = new QLabel(this);
  messageLine = new QLabel(this);
  messageLine->hide();

  auto* buttons = new QHBoxLayout;
  allButton = new QPushButton(QStringLiteral("全部"), this);
  buttons->addWidget(allButton);
  connect(allButton, &QPushButton::clicked, this, [this] { chooseLine(-1); });
  for (int i = 0; i < 6; ++i) {
    lineButtons[i] = new QPushButton(QStringLiteral("IO%1").arg(i + 1), this);
    buttons->addWidget(lineButtons[i]);
    connect(lineButtons[i], &QPushButton::clicked, this, [this, i] { chooseLine(i); });
  }
  buttons->addStretch();
  saveButton = new QPushButton(QStringLiteral("保存画面"), this);
  buttons->addWidget(saveButton);
  connect(saveButton, &QPushButton::clicked, this, &SignWindow::saveToFolder);
  for (QPushButton* b : findChildren<QPushButton*>()) b->setFocusPolicy(Qt::NoFocus);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 0, Qt::AlignHCenter);
  layout->addWidget(statusLine);
  layout->addWidget(messageLine);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  timer = new QTimer(this);
  timer->setTimerType(Qt::PreciseTimer);
  connect(timer, &QTimer::timeout, this, &SignWindow::step);

  show_.follow(store_);
  resizeToSign();
  shown_ = renderSign(show_.frame(show_.cardClock(hostClock_())), zoom_, options_.plain);
  statusLine->setText(statusText());
  timer->start(show_.interval());
}

void SignWindow::resizeToSign() {
  laidOutFor_ = show_.signSize();
  zoom_ = options_.zoom > 0 ? options_.zoom : defaultZoom(laidOutFor_);
  // No larger than the screen's available area holds, with everything around the sign.
  if (const QScreen* screen = this->screen(); screen && !laidOutFor_.isEmpty()) {
    const QSize room = screen->availableGeometry().size() - aroundSign();
    zoom_ = std::clamp(
        std::min(room.width() / laidOutFor_.width(), room.height() / laidOutFor_.height()), 1,
        zoom_);
  }
  view_->setFixedSize(laidOutFor_ * zoom_);
  setWindowTitle(
      QStringLiteral("虚拟显示屏 %1×%2").arg(laidOutFor_.width()).arg(laidOutFor_.height()));
  if (isVisible()) keepOnScreen(false);
}

void SignWindow::step() {
  show_.follow(store_);
  show_.tick();
  if (show_.signSize() != laidOutFor_) resizeToSign();
  shown_ = renderSign(show_.frame(show_.cardClock(hostClock_())), zoom_, options_.plain);
  view_->update();
  const QString status = statusText();
  if (statusLine->text() != status) statusLine->setText(status);
  if (timer->interval() != show_.interval()) timer->setInterval(show_.interval());
}

QSize SignWindow::windowFrame() const {
  // The window manager's frame is known once the window is shown; before, a title bar is guessed.
  const QSize frame = frameGeometry().size() - geometry().size();
  return frame.isEmpty() ? QSize(8, 8 + style()->pixelMetric(QStyle::PM_TitleBarHeight)) : frame;
}

QSize SignWindow::aroundSign() const {
  const QMargins m = layout()->contentsMargins();
  // The message line counts while hidden: it shows when a button is pressed.
  const int lines = statusLine->sizeHint().height() + messageLine->sizeHint().height() +
                    saveButton->sizeHint().height() + 3 * std::max(0, layout()->spacing());
  return windowFrame() + QSize(m.left() + m.right(), m.top() + m.bottom() + lines);
}

void SignWindow::keepOnScreen(bool toCorner) {
  const QScreen* screen = this->screen();
  if (!screen) return;
  layout()->activate();
  adjustSize();
  const QRect free = screen->availableGeometry();
  const QSize outer = size() + windowFrame();
  QPoint at = toCorner ? free.bottomRight() - QPoint(outer.width() - 1, outer.height() - 1) : pos();
  at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())));
  at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
  move(at);
}

QString SignWindow::statusText() const {
  const QDateTime clock = show_.cardClock(hostClock_());
  const QTime t = clock.time();
  const CardConfig& c = show_.config();
  QString text =
      QStringLiteral("时钟 %1　").arg(clock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
  if (!show_.litAt(t)) {
    text += QStringLiteral("关屏（开屏 %1:%2，关屏 %3:%4）")
                .arg(c.onOff[0], 2, 10, QChar(u'0'))
                .arg(c.onOff[1], 2, 10, QChar(u'0'))
                .arg(c.onOff[2], 2, 10, QChar(u'0'))
                .arg(c.onOff[3], 2, 10, QChar(u'0'));
  } else {
    text += QStringLiteral("亮度 %1").arg(show_.levelAt(t));
    if (c.dayNight)
      text += t.hour() >= SignShow::DayStartHour && t.hour() < SignShow::NightStartHour
                  ? QStringLiteral("（白天）")
                  : QStringLiteral("（晚上）");
  }
  text += QStringLiteral("　型号 %1　").arg(c.model);
  if (show_.playing() < 0) return text + QStringLiteral("无节目");
  text += QStringLiteral("节目%1（%2/%3）")
              .arg(show_.playing() + 1)
              .arg(show_.playingIndex() + 1)
              .arg(show_.listSize());
  if (show_.line() >= 0) text += QStringLiteral("　IO%1").arg(show_.line() + 1);
  return text;
}

void SignWindow::chooseLine(int line) {
  if (line < 0) {
    show_.selectAll();
    messageLine->hide();
  } else if (!show_.selectLine(line)) {
    messageLine->setText(QStringLiteral("IO%1 没有节目。").arg(line + 1));
    messageLine->show();
    return;
  } else {
    messageLine->hide();
  }
  statusLine->setText(statusText());
}

QString SignWindow::saveSnapshot(const QString& path) const {
  const QString tmp = path + QStringLiteral(".new");
  if (!shown_.save(tmp, "PNG")) {
    QFile::remove(tmp);
    return QStringLiteral("无法写入 %1").arg(tmp);
  }
  QFile::remove(path);
  if (!QFile::rename(tmp, path)) {
    QFile::remove(tmp);
    return QStringLiteral("无法改名为 %1").arg(path);
  }
  return {};
}

void SignWindow::saveToFolder() {
  const QDir dir(options_.snapshotDir.isEmpty() ? QDir::currentPath() : options_.snapshotDir);
  const QString stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
  const QString path = dir.filePath(QStringLiteral("sign-%1.png").arg(stamp));
  const QString error = saveSnapshot(path);
  messageLine->setText(error.isEmpty() ? QStringLiteral("画面已保存：%1").arg(path)
                                       : QStringLiteral("画面保存失败：%1").arg(error));
  messageLine->show();
}

void SignWindow::keyPressEvent(QKeyEvent* event) {
  const int k = event->key();
  if (k >= Qt::Key_0 && k <= Qt::Key_6) {
    chooseLine(k == Qt::Key_0 ? -1 : k - Qt::Key_1);
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

int runDisplay(char* programName, Card& card, const DisplayOptions& options,
               std::function<bool()> stopRequested) {
  // The card's own options stay away from Qt, which would read --display as an X display.
  int qtArgc = 1;
  char* qtArgv[] = {programName, nullptr};
  QApplication app(qtArgc, qtArgv);
  // Closing the window leaves the card running; a signal ends both.
  app.setQuitOnLastWindowClosed(false);
  SignWindow window(card.store(), options);
  // Away from the application, which opens at the top left or the centre.
  window.placeOnScreen();
  window.show();
  QTimer stopPoll;
  QObject::connect(&stopPoll, &QTimer::timeout, &app, [&] {
    if (stopRequested && stopRequested()) app.exit(0);
  });
  stopPoll.start(100);
  if (options.snapshotAfterMs >= 0 && !options.snapshotFile.isEmpty()) {
    QTimer::singleShot(options.snapshotAfterMs, &app, [&] {
      const QString error = window.saveSnapshot(options.snapshotFile);
      if (!error.isEmpty()) std::fprintf(stderr, "signsim: %s\n", error.toLocal8Bit().constData());
      app.exit(error.isEmpty() ? 0 : 1);
    });
  }
  return app.exec();
}

}  // namespace signsim

#include "Ledview.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <exception>

#include "LedError.h"
#include "Prompt.h"
#include "Workspace.h"

namespace {

void paintBlack(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::black);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// Paints the stepper's bars in black over the picture; it lies over the whole window and lets
// the mouse through to the window.
class BarsOverlay : public QWidget {
 public:
  BarsOverlay(const EffectStepper& stepper, QWidget* parent) : QWidget(parent), stepper_(stepper) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (const QRect& bar : stepper_.barRects()) painter.fillRect(bar, Qt::black);
  }

 private:
  const EffectStepper& stepper_;
};

}  // namespace

TLedViewForm::TLedViewForm(Workspace& workspace, Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ws_(workspace), prompt_(prompt) {
  setWindowTitle(tr("预览"));
  paintBlack(this);

  // The elements only show; every mouse event goes to the window, which owns the menu and the
  // double-click.
  Image1 = new QLabel(this);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image1->hide();

  auto* cover = new QFrame(this);
  cover->setFrameShape(QFrame::NoFrame);
  cover->setAttribute(Qt::WA_TransparentForMouseEvents);
  paintBlack(cover);
  cover->hide();
  Panel2 = cover;

  bars_ = new BarsOverlay(stepper_, this);
  bars_->hide();

  Timer1 = new QTimer(this);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(EffectStepper::StartInterval);
  connect(Timer1, &QTimer::timeout, this, &TLedViewForm::Timer1Timer);

  PopupMenu1 = new QMenu(this);
  Play1 = PopupMenu1->addAction(tr("播放"));
  Stop1 = PopupMenu1->addAction(tr("停止"));
  Exit1 = PopupMenu1->addAction(tr("退出"));
  connect(Play1, &QAction::triggered, this, &TLedViewForm::Play1Click);
  connect(Stop1, &QAction::triggered, this, &TLedViewForm::Stop1Click);
  connect(Exit1, &QAction::triggered, this, &TLedViewForm::Exit1Click);
}

void TLedViewForm::setProgram(int n, const PlaySettings& settings) {
  program_ = n;
  settings_ = settings;
}

void TLedViewForm::play(int n, const PlaySettings& settings) {
  setProgram(n, settings);
  exec();
}

void TLedViewForm::FormShow() {
  const int n = program_;
  QImage picture;
  QString failure;
  pictureLoaded_ = false;
  try {
    picture = ws_.store().readPicture(n);
    pictureLoaded_ = true;
  } catch (const LedError& e) {
    failure = e.text();
  } catch (const std::exception& e) {
    failure = QString::fromLocal8Bit(e.what());
  }

  const QSize sign(ws_.ScreenWidth, ws_.ScreenHeight);
  stepper_.open(sign, picture.size());
  setFixedSize(sign);
  Image1->setPixmap(QPixmap::fromImage(picture));
  Image1->setGeometry(QRect(QPoint(0, 0), picture.size()));
  bars_->setGeometry(rect());
  applyScene();
  centreOnScreen();
  DoubleClickCount = 0;

  if (!pictureLoaded_) {
    // Shown once the black window stands, so the box comes up above it.
    const QString text = tr("节目%1的图片无法读取，不能预览。\n%2").arg(n + 1).arg(failure);
    QMetaObject::invokeMethod(
        this, [this, text] { prompt_.message(this, text); }, Qt::QueuedConnection);
  }
}

void TLedViewForm::Play1Click() {
  if (!pictureLoaded_) return;
  stepper_.play({settings_.mode, settings_.speed, settings_.dwell});
  Timer1->setInterval(stepper_.interval());
  Timer1->start();
}

void TLedViewForm::Stop1Click() {
  stepper_.stop();
  Timer1->stop();
  applyScene();
}

void TLedViewForm::Exit1Click() {
  Timer1->stop();
  stepper_.stop();
  applyScene();
  close();
}

void TLedViewForm::FormDblClick() {
  ++DoubleClickCount;
  if (DoubleClickCount == 1) {
    Play1Click();
  } else if (DoubleClickCount == 2) {
    Stop1Click();
  } else {
    DoubleClickCount = 0;
    Exit1Click();
  }
}

void TLedViewForm::Timer1Timer() {
  stepper_.tick();
  applyScene();
}

void TLedViewForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TLedViewForm::hideEvent(QHideEvent* event) {
  // However the window goes (Esc included), nothing plays behind it.
  if (!event->spontaneous()) Timer1->stop();
  QDialog::hideEvent(event);
}

void TLedViewForm::mouseDoubleClickEvent(QMouseEvent* event) {
  FormDblClick();
  event->accept();
}

void TLedViewForm::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenu1->popup(event->globalPos());
  event->accept();
}

void TLedViewForm::applyScene() {
  const PreviewScene& scene = stepper_.scene();
  Image1->move(scene.picture);
  Image1->setVisible(scene.pictureVisible);
  Panel2->setGeometry(scene.cover);
  Panel2->setVisible(scene.coverVisible);
  bars_->setVisible(scene.bars != PreviewScene::Bars::None);
  bars_->update();
}

void TLedViewForm::centreOnScreen() {
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
  if (screen == nullptr) return;
  move(screen->availableGeometry().center() - rect().center());
}

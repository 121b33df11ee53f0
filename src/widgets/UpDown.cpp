#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "GbkIni.h"

TUpDown::TUpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), position_(minimum) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setFixedSize(16, 11);
    b->setAutoRepeat(true);
    layout->addWidget(b);
  }
  connect(up_, &QToolButton::clicked, this, [this] { step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
  // A number typed into the box moves the position without rewriting the box.
  connect(buddy_, &QLineEdit::textChanged, this, [this](const QString& text) {
    const auto v = parseDecimal(text.toLatin1());
    if (v && *v >= minimum_ && *v <= maximum_) position_ = *v;
  });
}

int TUpDown::position() const { return position_; }

void TUpDown::setPosition(int value) {
  value = std::clamp(value, minimum_, maximum_);
  if (value == position_ && buddy_->text() == QString::number(value)) return;
  position_ = value;
  buddy_->setText(QString::number(value));
}

void TUpDown::step(int delta) { setPosition(position_ + delta); }

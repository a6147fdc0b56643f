#include "ui/spin_buttons.h"

#include <QToolButton>

namespace orsalimbra::ui {

namespace {
QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRepeat(true);
  return button;
}
}  // namespace

SpinButtons::SpinButtons(QWidget* parent)
    : QWidget(parent),
      up_(ArrowButton(Qt::UpArrow, this)),
      down_(ArrowButton(Qt::DownArrow, this)) {
  connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void SpinButtons::resizeEvent(QResizeEvent*) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace orsalimbra::ui

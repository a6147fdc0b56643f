#include "ui/layout_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace orsalimbra::ui {

LayoutButton::LayoutButton(PageSketch sketch, QWidget* parent)
    : QAbstractButton(parent), sketch_(sketch) {
  setFocusPolicy(Qt::StrongFocus);
}

void LayoutButton::setBackground(const QColor& colour) {
  if (background_ == colour) return;
  background_ = colour;
  update();
}

void LayoutButton::setSketch(PageSketch sketch) {
  if (sketch_ == sketch) return;
  sketch_ = sketch;
  update();
}

void LayoutButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect area = rect();
  p.fillRect(area, background_);
  // A raised edge, sunk while pressed.
  const bool down = isDown();
  p.setPen(down ? background_.darker(160) : background_.lighter(140));
  p.drawLine(area.topLeft(), area.topRight());
  p.drawLine(area.topLeft(), area.bottomLeft());
  p.setPen(down ? background_.lighter(140) : background_.darker(160));
  p.drawLine(area.bottomLeft(), area.bottomRight());
  p.drawLine(area.topRight(), area.bottomRight());

  const QRect inside = area.adjusted(3, 3, -3, -3).translated(down ? 1 : 0, down ? 1 : 0);
  p.drawPixmap(inside.topLeft(), DrawPageSketch(sketch_, inside.size(), devicePixelRatioF()));

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = area.adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }
}

}  // namespace orsalimbra::ui

#include "ui/wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace orsalimbra::ui {

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void WrapButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  // The frame and focus mark as usual, the caption drawn here.
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                       caption, QPalette::ButtonText);
}

}  // namespace orsalimbra::ui

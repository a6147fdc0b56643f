#include "ui/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace orsalimbra::ui {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const QPalette::ColorRole role = QPalette::ButtonText;
  painter.drawItemText(area.adjusted(1, 0, -1, 0), Qt::AlignCenter | Qt::TextWordWrap,
                       option.palette, isEnabled(), caption, role);
}

}  // namespace orsalimbra::ui

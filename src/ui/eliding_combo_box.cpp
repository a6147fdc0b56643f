#include "ui/eliding_combo_box.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace orsalimbra::ui {

ElidingComboBox::ElidingComboBox(QWidget* parent) : QComboBox(parent) {}

QRect ElidingComboBox::TextArea() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

bool ElidingComboBox::currentTextElided() const {
  return fontMetrics().horizontalAdvance(currentText()) > TextArea().width();
}

void ElidingComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  option.currentText =
      fontMetrics().elidedText(option.currentText, Qt::ElideRight, TextArea().width());
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool ElidingComboBox::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && currentTextElided()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), currentText().trimmed(), this);
    return true;
  }
  return QComboBox::event(event);
}

void ElidingComboBox::showPopup() {
  QAbstractItemView* list = view();
  const int scrollBar = list->verticalScrollBar()->sizeHint().width();
  const int margins = 2 * list->frameWidth() + 8;
  list->setMinimumWidth(qMax(width(), list->sizeHintForColumn(0) + scrollBar + margins));
  QComboBox::showPopup();
}

}  // namespace orsalimbra::ui

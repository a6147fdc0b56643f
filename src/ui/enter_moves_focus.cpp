#include "ui/enter_moves_focus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orsalimbra::ui {

EnterMovesFocus::EnterMovesFocus(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  // Keys reach the focused widget first; only this window's own controls
  // count (a drop-down list's open popup is a window of its own).
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != window_) return false;
  if (type == QEvent::KeyPress) {
    // Tab's own path: the focus chain of the window, with the usual focus
    // events for the control left and the one reached.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(window_->focusWidget() ? window_->focusWidget() : window_, &tab);
  }
  return true;
}

}  // namespace orsalimbra::ui

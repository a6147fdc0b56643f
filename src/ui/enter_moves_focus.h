// Enter in a window moves the focus to the next control, as Tab does, and
// never reaches the control that had the focus. Installed on the application
// so that it sees the key before any control of the window does.
#pragma once

#include <QObject>

class QWidget;

namespace orsalimbra::ui {

class EnterMovesFocus : public QObject {
  Q_OBJECT

 public:
  // Watches the key presses aimed at the controls of `window`.
  explicit EnterMovesFocus(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};

}  // namespace orsalimbra::ui

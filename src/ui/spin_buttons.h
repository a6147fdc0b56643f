// A pair of arrow buttons, up over down, beside a text box: the spin buttons
// of the year box. They take no focus, so the text box keeps it, and they
// repeat while held down. Each press or repeat is one step.
#pragma once

#include <QWidget>

class QToolButton;

namespace orsalimbra::ui {

class SpinButtons : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButtons(QWidget* parent = nullptr);

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  // +1 for the upper button, -1 for the lower one.
  void stepped(int delta);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace orsalimbra::ui

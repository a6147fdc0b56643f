// A push button whose caption wraps onto further lines when it does not fit
// on one, as a long caption on a narrow button needs.
#pragma once

#include <QPushButton>

namespace orsalimbra::ui {

class WrapButton : public QPushButton {
  Q_OBJECT

 public:
  WrapButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace orsalimbra::ui

// A push button whose caption wraps onto several lines when the button is
// too narrow for it, as the main window's tall, narrow command buttons need.
// text() keeps the caption exactly as given.
#pragma once

#include <QPushButton>

namespace orsalimbra::ui {

class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace orsalimbra::ui

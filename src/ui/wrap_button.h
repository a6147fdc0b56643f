// A push button whose caption wraps onto further lines when it does not fit
// on one, as a long caption on a narrow button needs. A caption that does not
// fit even wrapped is drawn in a smaller face, down to a limit, and past that
// the button's tool tip shows it whole: no caption is cut unseen.
#pragma once

#include <QPushButton>

namespace orsalimbra::ui {

class WrapButton : public QPushButton {
  Q_OBJECT

 public:
  WrapButton(const QString& caption, QWidget* parent);

  // Whether the caption fits the button in the window's face (tests).
  bool captionFits() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The caption's face: the button's own, or smaller until it fits.
  QFont CaptionFont(const QRect& area, int flags) const;
  QRect CaptionArea() const;
  int CaptionFlags() const;
};

}  // namespace orsalimbra::ui

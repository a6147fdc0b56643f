// A drop-down list for a narrow place: a name wider than the box is shown
// cut with "..." and whole in the box's tool tip, and the open list is as
// wide as its longest name.
#pragma once

#include <QComboBox>

namespace orsalimbra::ui {

class ElidingComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ElidingComboBox(QWidget* parent = nullptr);

  // The shown name does not fit and is cut (tests).
  bool currentTextElided() const;
  void showPopup() override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextArea() const;
};

}  // namespace orsalimbra::ui

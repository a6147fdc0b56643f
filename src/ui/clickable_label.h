// A label that reports clicks: the time-base toggle, the sample boxes, the
// cover miniature and the month-picture thumbnails of the main window.
#pragma once

#include <QLabel>

namespace orsalimbra::ui {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

 signals:
  // The left button was pressed and released over the label.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace orsalimbra::ui

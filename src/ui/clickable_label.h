// A label that reports clicks: the time-base toggle, the sample boxes, the
// cover miniature and the month-picture thumbnails of the main window, the
// picture areas of the image window.
//
// A label given a focus policy is reached with Tab and shows a focus frame;
// Space and Enter then act as a click (the main window turns Enter into Tab
// before any control sees it, so there only Space clicks).
#pragma once

#include <QLabel>

namespace orsalimbra::ui {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

 signals:
  // The left button was pressed and released over the label, or Space or
  // Enter was pressed while it had the focus.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace orsalimbra::ui

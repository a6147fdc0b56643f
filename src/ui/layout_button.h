// A layout choice button: a page sketch on a background colour that tells
// the chosen layout from the others.
#pragma once

#include <QAbstractButton>
#include <QColor>

#include "ui/page_sketches.h"

namespace orsalimbra::ui {

class LayoutButton : public QAbstractButton {
  Q_OBJECT

 public:
  LayoutButton(PageSketch sketch, QWidget* parent = nullptr);

  void setBackground(const QColor& colour);
  void setSketch(PageSketch sketch);
  PageSketch sketch() const { return sketch_; }
  const QColor& background() const { return background_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PageSketch sketch_;
  QColor background_{204, 204, 204};
};

}  // namespace orsalimbra::ui

// A framed area that shows a picture scaled to fit and reports clicks.
#pragma once

#include "ui/clickable_label.h"

namespace orsalimbra::ui {

class PictureArea : public ClickableLabel {
  Q_OBJECT

 public:
  explicit PictureArea(QWidget* parent);

  // Pixels a picture is decoded to: the inside of the frame on this screen.
  QSize PictureBox() const;
  // Shows `image`; a null image empties the area.
  void ShowPicture(const QImage& image);
  bool HasPicture() const;
};

}  // namespace orsalimbra::ui

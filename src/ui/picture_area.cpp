#include "ui/picture_area.h"

#include <QPixmap>

namespace orsalimbra::ui {

PictureArea::PictureArea(QWidget* parent) : ClickableLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
}

QSize PictureArea::PictureBox() const {
  const qreal ratio = devicePixelRatioF();
  const QSize inside = contentsRect().size();
  return QSize(qRound(inside.width() * ratio), qRound(inside.height() * ratio));
}

void PictureArea::ShowPicture(const QImage& image) {
  if (image.isNull()) {
    clear();
    return;
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatioF());
  setPixmap(pixmap);
}

bool PictureArea::HasPicture() const { return !pixmap().isNull(); }

}  // namespace orsalimbra::ui

#include "ui/picture_area.h"

#include <QMouseEvent>
#include <QPixmap>

namespace orsalimbra::ui {

PictureArea::PictureArea(QWidget* parent) : QLabel(parent) {
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

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace orsalimbra::ui

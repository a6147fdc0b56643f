#include "ui/picture_area.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QUrl>

namespace orsalimbra::ui {

PictureArea::PictureArea(QWidget* parent) : ClickableLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
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

void PictureArea::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
      event->modifiers() == Qt::NoModifier) {
    event->accept();
    emit removeRequested();
    return;
  }
  ClickableLabel::keyPressEvent(event);
}

void PictureArea::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("&Scegli immagine..."), this, &ClickableLabel::clicked);
  QAction* remove =
      menu.addAction(QStringLiteral("&Rimuovi immagine"), this, &PictureArea::removeRequested);
  remove->setShortcut(QKeySequence(Qt::Key_Delete));
  menu.exec(event->globalPos());
}

void PictureArea::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void PictureArea::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  emit fileDropped(path);
}

QString DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace orsalimbra::ui

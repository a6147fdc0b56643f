#include "ui/picture_slot.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include "render_qt/qt_picture.h"

namespace orsalimbra::ui {

bool PictureSlot::Holds(const QString& path, QSize pixels, const render::PicturePart& part) const {
  const QFileInfo info(path);
  return !image_.isNull() && path == path_ && pixels == pixels_ && part == part_ &&
         info.lastModified() == modified_ && info.size() == bytes_;
}

bool PictureSlot::Take(QImage decoded, const QString& path, QSize pixels,
                       const render::PicturePart& part) {
  if (decoded.isNull()) return false;
  // DecodePicture never gives more pixels than the file holds; the slot
  // holds exactly the size asked for.
  if (decoded.size() != pixels) {
    decoded = decoded.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  const QFileInfo info(path);
  image_ = std::move(decoded);
  path_ = path;
  pixels_ = pixels;
  part_ = part;
  modified_ = info.lastModified();
  bytes_ = info.size();
  return true;
}

bool PictureSlot::Load(const QString& path, QSize pixels, const render::PicturePart& part) {
  watcher_.reset();
  if (Holds(path, pixels, part)) return true;
  ++decodes_;
  return Take(render::DecodePicture(path, pixels, part), path, pixels, part);
}

void PictureSlot::Request(const QString& path, QSize pixels, const render::PicturePart& part,
                          std::function<void(bool)> ready) {
  // A decode still running for an earlier request finishes unseen.
  watcher_.reset();
  if (Holds(path, pixels, part)) {
    ready(true);
    return;
  }
  ++decodes_;
  watcher_ = std::make_unique<QFutureWatcher<QImage>>();
  QFutureWatcher<QImage>* watcher = watcher_.get();
  QObject::connect(watcher, &QFutureWatcher<QImage>::finished, watcher,
                   [this, watcher, path, pixels, part, ready = std::move(ready)] {
                     const bool held = Take(watcher->result(), path, pixels, part);
                     // The watcher goes once this call has returned.
                     watcher_.release()->deleteLater();
                     ready(held);
                   });
  watcher->setFuture(QtConcurrent::run(
      [path, pixels, part] { return render::DecodePicture(path, pixels, part); }));
}

}  // namespace orsalimbra::ui

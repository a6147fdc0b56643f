#include "ui/picture_slot.h"

#include <QFileInfo>

#include "render_qt/qt_picture.h"

namespace orsalimbra::ui {

bool PictureSlot::Load(const QString& path, QSize pixels, const render::PicturePart& part) {
  const QFileInfo info(path);
  const QDateTime modified = info.lastModified();
  const qint64 bytes = info.size();
  if (!image_.isNull() && path == path_ && pixels == pixels_ && part == part_ &&
      modified == modified_ && bytes == bytes_) {
    return true;
  }
  ++decodes_;
  QImage decoded = render::DecodePicture(path, pixels, part);
  if (decoded.isNull()) return false;
  // DecodePicture never gives more pixels than the file holds; the slot
  // holds exactly the size asked for.
  if (decoded.size() != pixels) {
    decoded = decoded.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  image_ = std::move(decoded);
  path_ = path;
  pixels_ = pixels;
  part_ = part;
  modified_ = modified;
  bytes_ = bytes;
  return true;
}

}  // namespace orsalimbra::ui

// A picture held by the main window at the size it is shown: the month
// thumbnail and the cover miniature. A camera photo is decoded once at that
// small size, not at full size, and again only when its file changes, so a
// rebuild of the year model does not pay for it each time.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

#include "render/surface.h"

namespace orsalimbra::ui {

class PictureSlot {
 public:
  // Holds `part` of the picture of `path` stretched to `pixels`. Decodes
  // only when the slot holds another file, size or part, or the file changed
  // since. False when the file cannot be decoded: the slot then keeps the
  // picture it held before (none at first).
  bool Load(const QString& path, QSize pixels, const render::PicturePart& part = {});

  const QImage& image() const { return image_; }
  bool isNull() const { return image_.isNull(); }
  // Decodes done so far, for the tests of the cache.
  int decodeCount() const { return decodes_; }

 private:
  QString path_;
  QSize pixels_;
  render::PicturePart part_;
  QDateTime modified_;
  qint64 bytes_ = -1;
  QImage image_;
  int decodes_ = 0;
};

}  // namespace orsalimbra::ui

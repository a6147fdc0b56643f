// A picture held by the main window at the size it is shown: the month
// thumbnail and the cover miniature. A camera photo is decoded once at that
// small size, not at full size, and again only when its file changes, so a
// rebuild of the year model does not pay for it each time. The window asks
// for it on a worker thread, so that a large photo does not hold up the
// controls.
#pragma once

#include <QDateTime>
#include <QFutureWatcher>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "render/surface.h"

namespace orsalimbra::ui {

class PictureSlot {
 public:
  // Holds `part` of the picture of `path` stretched to `pixels`. Decodes
  // only when the slot holds another file, size or part, or the file changed
  // since. False when the file cannot be decoded: the slot then keeps the
  // picture it held before (none at first).
  bool Load(const QString& path, QSize pixels, const render::PicturePart& part = {});
  // As Load, but decodes on a worker thread: `ready` runs on this thread
  // once the slot holds the picture (true) or it could not be decoded
  // (false); at once when the slot holds it already. A later request
  // replaces one still decoding, whose `ready` then never runs.
  void Request(const QString& path, QSize pixels, const render::PicturePart& part,
               std::function<void(bool)> ready);
  // A requested picture is still being decoded.
  bool pending() const { return watcher_ != nullptr; }

  const QImage& image() const { return image_; }
  bool isNull() const { return image_.isNull(); }
  // Decodes done so far, for the tests of the cache.
  int decodeCount() const { return decodes_; }

 private:
  bool Holds(const QString& path, QSize pixels, const render::PicturePart& part) const;
  bool Take(QImage decoded, const QString& path, QSize pixels, const render::PicturePart& part);

  std::unique_ptr<QFutureWatcher<QImage>> watcher_;
  QString path_;
  QSize pixels_;
  render::PicturePart part_;
  QDateTime modified_;
  qint64 bytes_ = -1;
  QImage image_;
  int decodes_ = 0;
};

}  // namespace orsalimbra::ui

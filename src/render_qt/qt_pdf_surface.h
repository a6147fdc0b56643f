// The Qt surface on a PDF writer, which needs no print support.
#pragma once

#include <QString>

#include "render_qt/qt_surface.h"

class QPdfWriter;

namespace orsalimbra::render {

class QtPdfSurface : public QtSurface {
 public:
  // `writer` writes the file `file`.
  QtPdfSurface(QPdfWriter* writer, QString file);

 private:
  // The file must exist and hold something.
  void CheckDocument() override;
  // A partial file is removed.
  void AbandonDocument() override;

  QString file_;
};

}  // namespace orsalimbra::render

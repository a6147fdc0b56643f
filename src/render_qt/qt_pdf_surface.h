// The Qt surface on a PDF file, which needs no print support. The document
// is written through a PdfFile: the file at the target changes only when
// the whole document was written.
#pragma once

#include <QString>

#include "render_qt/qt_pdf_file.h"
#include "render_qt/qt_surface.h"

namespace orsalimbra::render {

class QtPdfSurface : public QtSurface {
 public:
  // A document for the file `target`, with the pages of `page`.
  QtPdfSurface(const QString& target, const PdfPage& page);

  // Also stops at the first page after a failed write (a full disk).
  bool NewPage() override;

 private:
  // The document is committed to the target's name.
  void CheckDocument() override;
  // The document is given up; the target stays as it was.
  void AbandonDocument() override;

  PdfFile file_;
};

}  // namespace orsalimbra::render

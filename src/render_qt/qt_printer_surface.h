// The Qt surface on a printer (or a printer set to print into a file).
#pragma once

#include "render_qt/qt_surface.h"

class QPrinter;

namespace orsalimbra::render {

class QtPrinterSurface : public QtSurface {
 public:
  // The printer should have QPrinter::HighResolution.
  explicit QtPrinterSurface(QPrinter* printer);

 private:
  // A printer in its error state, or a file that is missing or empty.
  void CheckDocument() override;
  // The CUPS and PDF engines cannot cancel a started job: ending it sends
  // what was drawn. A partial file, though, is removed.
  void AbandonDocument() override;

  QPrinter* printer_;
};

}  // namespace orsalimbra::render

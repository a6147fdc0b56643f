#include "render_qt/qt_pdf_surface.h"

#include <QDir>
#include <QPdfWriter>

#include "render_qt/qt_measure_surface.h"

namespace orsalimbra::render {

QtPdfSurface::QtPdfSurface(const QString& target, const PdfPage& page) : file_(target, page) {
  QPdfWriter* writer = file_.writer();
  if (writer == nullptr) {
    Fail(file_.failure());
  } else if (!BeginPaper(writer, QtMeasureSurface::PrintableTwips(writer->pageLayout()))) {
    Fail({DeviceFailure::Kind::CannotWriteFile, QDir::toNativeSeparators(target).toStdString()});
  }
}

bool QtPdfSurface::NewPage() {
  if (!file_.WritesSucceeded()) {
    Fail(file_.failure());
    return false;
  }
  return QtSurface::NewPage();
}

void QtPdfSurface::CheckDocument() {
  if (!file_.Commit()) Fail(file_.failure());
}

void QtPdfSurface::AbandonDocument() {
  EndPainter();
  file_.Cancel();
}

}  // namespace orsalimbra::render

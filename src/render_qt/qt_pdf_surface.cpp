#include "render_qt/qt_pdf_surface.h"

#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>

#include "render_qt/qt_measure_surface.h"

namespace orsalimbra::render {

QtPdfSurface::QtPdfSurface(QPdfWriter* writer, QString file) : file_(std::move(file)) {
  if (!BeginPaper(writer, QtMeasureSurface::PrintableTwips(writer->pageLayout()))) {
    Fail({DeviceFailure::Kind::CannotWriteFile, file_.toStdString()});
  }
}

void QtPdfSurface::CheckDocument() {
  const QFileInfo info(file_);
  if (!info.exists() || info.size() == 0) {
    Fail({DeviceFailure::Kind::FileNotWritten, file_.toStdString()});
  }
}

void QtPdfSurface::AbandonDocument() {
  EndPainter();
  QFile::remove(file_);
}

}  // namespace orsalimbra::render

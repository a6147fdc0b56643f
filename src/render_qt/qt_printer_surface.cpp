#include "render_qt/qt_printer_surface.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "render_qt/qt_measure_surface.h"

namespace orsalimbra::render {

QtPrinterSurface::QtPrinterSurface(QPrinter* printer) : printer_(printer) {
  if (BeginPaper(printer, QtMeasureSurface::PrintableTwips(printer->pageLayout()))) return;
  if (!printer->outputFileName().isEmpty()) {
    Fail({DeviceFailure::Kind::CannotWriteFile, printer->outputFileName().toStdString()});
  } else {
    Fail({DeviceFailure::Kind::CannotStartPrinter, printer->printerName().toStdString()});
  }
}

void QtPrinterSurface::CheckDocument() {
  if (printer_->printerState() == QPrinter::Error) {
    Fail({DeviceFailure::Kind::PrinterError});
  } else if (const QString file = printer_->outputFileName(); !file.isEmpty()) {
    const QFileInfo info(file);
    if (!info.exists() || info.size() == 0) {
      Fail({DeviceFailure::Kind::FileNotWritten, file.toStdString()});
    }
  }
}

void QtPrinterSurface::AbandonDocument() {
  const QString file = printer_->outputFileName();
  printer_->abort();
  EndPainter();
  if (!file.isEmpty()) QFile::remove(file);
}

}  // namespace orsalimbra::render

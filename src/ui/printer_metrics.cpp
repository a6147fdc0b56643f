#include "ui/printer_metrics.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "render_qt/qt_measure_surface.h"

namespace orsalimbra::ui {

render::PageMetrics MeasurePrinter(const QPrinter& printer) {
  render::QtMeasureSurface page(render::QtMeasureSurface::PrintableTwips(printer.pageLayout()));
  return render::MeasurePage(page);
}

render::PageMetrics MeasureA4Pdf() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  return MeasurePrinter(printer);
}

render::PageMetrics MeasureDefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return MeasureA4Pdf();
  QPrinter printer(info, QPrinter::HighResolution);
  render::PageMetrics metrics = MeasurePrinter(printer);
  // A printer that reports no page is no better than none.
  if (!(metrics.PageWidth > 0 && metrics.PageHeight > 0)) return MeasureA4Pdf();
  return metrics;
}

}  // namespace orsalimbra::ui

// The measuring surface answers as the drawing surface does.
#include "render_qt/qt_measure_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPageSize>
#include <QPrinter>

#include "render/page_inputs.h"
#include "render_qt/qt_surface.h"

namespace orsalimbra::render {
namespace {

TEST(QtMeasureSurfaceTest, TextMetricsEqualTheDrawingSurfaces) {
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QtSurface drawing(&image);
  QtMeasureSurface measuring(QSizeF(1000, 1000));
  struct Font {
    const char* name;
    double size;
    bool bold, italic;
  };
  for (const Font f : {Font{"Arial", 20, false, false}, Font{"", 8, true, false},
                       Font{"Courier New", 11.5, false, true}, Font{"Arial", 0, false, false}}) {
    for (Surface* s : {static_cast<Surface*>(&drawing), static_cast<Surface*>(&measuring)}) {
      s->FontName = f.name;
      s->FontSize = f.size;
      s->FontBold = f.bold;
      s->FontItalic = f.italic;
    }
    EXPECT_DOUBLE_EQ(measuring.TextWidth("0 Gennaio"), drawing.TextWidth("0 Gennaio")) << f.name;
    EXPECT_DOUBLE_EQ(measuring.TextHeight("0"), drawing.TextHeight("0")) << f.name;
  }
}

TEST(QtMeasureSurfaceTest, MeasuresAPrinterPageWithoutStartingAJob) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QtMeasureSurface page(QtMeasureSurface::PrintableTwips(printer.pageLayout()));
  const PageMetrics metrics = MeasurePage(page);
  // A4 is 595 x 842 points; the printable area lies inside it.
  EXPECT_GT(metrics.PageWidth, 9000);
  EXPECT_LE(metrics.PageWidth, 595.3 * 20);
  EXPECT_GT(metrics.PageHeight, 14000);
  EXPECT_LE(metrics.PageHeight, 841.9 * 20);
  EXPECT_EQ(metrics.PageWidth80, std::floor(0.8 * metrics.PageWidth));
  EXPECT_GT(metrics.DigitWidth, 100);  // a 20-point digit is about 11 points wide
  EXPECT_GT(metrics.DigitHeight, 400);
  EXPECT_EQ(printer.printerState(), QPrinter::Idle);
}

}  // namespace
}  // namespace orsalimbra::render

// The printer's page measured without printing gives the figures a surface
// on that printer gives, for every paper the print dialog may leave: the
// window measures again after the dialog this way.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "render/page_inputs.h"
#include "render_qt/qt_measure_surface.h"
#include "render_qt/qt_printer_surface.h"

namespace orsalimbra::render {
namespace {

PageMetrics Measured(const QPrinter& printer) {
  QtMeasureSurface page(QtMeasureSurface::PrintableTwips(printer.pageLayout()));
  return MeasurePage(page);
}

TEST(PrinterPageMetrics, SameAsASurfaceOnThatPrinter) {
  struct Row {
    QPageSize::PageSizeId paper;
    QPageLayout::Orientation orientation;
    double margin;  // points
  };
  const Row rows[] = {
      {QPageSize::A4, QPageLayout::Portrait, 12},
      {QPageSize::Letter, QPageLayout::Portrait, 36},
      {QPageSize::A3, QPageLayout::Landscape, 0},
  };
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const Row& row : rows) {
    SCOPED_TRACE(QPageSize::name(row.paper).toStdString());
    const QString file = dir.filePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(row.paper));
    printer.setPageOrientation(row.orientation);
    printer.setPageMargins(QMarginsF(row.margin, row.margin, row.margin, row.margin),
                           QPageLayout::Point);

    const PageMetrics measured = Measured(printer);
    // Measuring starts no document.
    EXPECT_FALSE(QFileInfo::exists(file));

    QtPrinterSurface surface(&printer);
    const PageMetrics drawn = MeasurePage(surface);
    surface.Abort();
    EXPECT_DOUBLE_EQ(measured.PageWidth, drawn.PageWidth);
    EXPECT_DOUBLE_EQ(measured.PageHeight, drawn.PageHeight);
    EXPECT_DOUBLE_EQ(measured.PageWidth80, drawn.PageWidth80);
    EXPECT_DOUBLE_EQ(measured.DigitWidth, drawn.DigitWidth);
    EXPECT_DOUBLE_EQ(measured.DigitHeight, drawn.DigitHeight);
  }
}

TEST(PrinterPageMetrics, LetterIsWiderAndShorterThanA4) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const PageMetrics a4 = Measured(printer);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  const PageMetrics letter = Measured(printer);
  // Qt's A4 is 595 x 842 whole points, Letter 612 x 792.
  EXPECT_DOUBLE_EQ(a4.PageWidth, 11900);
  EXPECT_DOUBLE_EQ(a4.PageHeight, 16840);
  EXPECT_DOUBLE_EQ(letter.PageWidth, 12240);
  EXPECT_DOUBLE_EQ(letter.PageHeight, 15840);
  EXPECT_DOUBLE_EQ(letter.PageWidth80, 9792);
}

}  // namespace
}  // namespace orsalimbra::render

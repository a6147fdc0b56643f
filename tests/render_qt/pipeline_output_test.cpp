// Pictures decoded ahead change nothing on paper: the job's dry run lists
// the pictures in the order the pages paint them, and a PDF made with the
// pipeline matches one whose pictures were decoded one after another.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "pdf_tools.h"
#include "render_qt/qt_measure_surface.h"
#include "render_qt/qt_pdf_export.h"
#include "render_qt/qt_pdf_surface.h"
#include "render_qt/qt_picture_plan.h"
#include "sample_calendar.h"

namespace orsalimbra::render::testing {
namespace {

PdfPage A4() { return PdfPage::Sized(QPageSize(QPageSize::A4), QPageLayout::Portrait); }

PrintInputs Inputs(const SampleCalendar& sample, core::LayoutCode layout) {
  PrintInputs inputs;
  inputs.year = sample.year;
  inputs.yearText = "2024";
  inputs.choices.LayoutType = layout;
  inputs.choices.CoverStyle = CoverCode::TitleTop;
  inputs.choices.titleLook.TitleFont = "Liberation Serif";
  inputs.choices.programFolder = sample.folder.toStdString();
  QtMeasureSurface measure(QtMeasureSurface::PrintableTwips(A4().layout));
  inputs.choices.metrics = MeasurePage(measure);
  return inputs;
}

// The export's job with every picture decoded where it is painted.
class SerialPdfHost : public PrintHost {
 public:
  SerialPdfHost(QString file, PdfPage page, PrintInputs inputs)
      : file_(std::move(file)),
        page_(std::move(page)),
        inputs_(std::move(inputs)),
        measure_(QtMeasureSurface::PrintableTwips(page_.layout)) {}
  bool ChoosePrinter() override { return true; }
  PrintInputs Inputs() override { return inputs_; }
  Surface& PageMeasure() override { return measure_; }
  Surface* OpenDocument() override {
    surface_ = std::make_unique<QtPdfSurface>(file_, page_);
    return surface_.get();
  }
  void CloseDocument() override { surface_.reset(); }

 private:
  QString file_;
  PdfPage page_;
  PrintInputs inputs_;
  QtMeasureSurface measure_;
  std::unique_ptr<QtPdfSurface> surface_;
};

TEST(PicturePlan, ListsThePicturesInTheOrderThePagesPaintThem) {
  QTemporaryDir dir;
  SampleCalendar sample(dir.path());
  ASSERT_TRUE(sample.ready);
  const QString cover = dir.filePath("copertina.jpg");
  const QString march = dir.filePath("marzo.jpg");
  const QString april = dir.filePath("aprile.jpg");
  const QString background = dir.filePath("Sfondo.jpg");
  struct Row {
    const char* name;
    core::LayoutCode layout;
    bool reverse;
    PrintRequest request;
    QStringList pictures;
  };
  const Row rows[] = {
      {"weekly, all", core::LayoutCode::Weekly, false, PrintRequest::All(), {cover, march, april}},
      // January, December, February, November, March, October, April...
      {"weekly, reversed",
       core::LayoutCode::Weekly,
       true,
       PrintRequest::All(),
       {cover, march, april}},
      {"daily, April", core::LayoutCode::Daily, false, PrintRequest::Month(3), {april}},
      {"weekly, second half",
       core::LayoutCode::Weekly,
       false,
       PrintRequest::Half(HalfYear::Second),
       {}},
      {"weekly, cover alone",
       core::LayoutCode::Weekly,
       false,
       PrintRequest::Half(HalfYear::CoverOnly),
       {cover}},
      {"half-year pages",
       core::LayoutCode::Semester,
       false,
       PrintRequest::All(),
       {background, background}},
  };
  const QSizeF page = QtMeasureSurface::PrintableTwips(A4().layout);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PrintInputs inputs = Inputs(sample, row.layout);
    inputs.choices.OrdInv = row.reverse;
    QStringList listed;
    for (const PlannedPicture& p : PlanPictures(row.request, inputs, page)) {
      listed << QFileInfo(QString::fromStdString(p.path)).absoluteFilePath();
      EXPECT_GT(p.twips.width(), 0);
      EXPECT_GT(p.twips.height(), 0);
    }
    QStringList expected;
    for (const QString& path : row.pictures) expected << QFileInfo(path).absoluteFilePath();
    EXPECT_EQ(listed, expected);
  }
}

TEST(PicturePlan, PipelinedPdfMatchesTheSerialOne) {
  QTemporaryDir dir;
  SampleCalendar sample(dir.path());
  ASSERT_TRUE(sample.ready);
  for (const core::LayoutCode layout :
       {core::LayoutCode::Weekly, core::LayoutCode::Daily, core::LayoutCode::Semester}) {
    SCOPED_TRACE(static_cast<int>(layout));
    const QString pipelined = dir.filePath("pipelined.pdf");
    const QString serial = dir.filePath("serial.pdf");
    ASSERT_EQ(ExportPdf({pipelined}, Inputs(sample, layout), PrintRequest::All()).status,
              PrintStatus::Printed);
    SerialPdfHost host(serial, A4(), Inputs(sample, layout));
    PrintJobs jobs(host);
    ASSERT_EQ(jobs.Print(PrintRequest::All()).status, PrintStatus::Printed);

    const int pages = PdfInfo(serial, "Pages").toInt();
    ASSERT_GT(pages, 0);
    EXPECT_EQ(PdfInfo(pipelined, "Pages").toInt(), pages);
    EXPECT_EQ(RunPdfTool("pdftotext", {"-bbox", pipelined, "-"}).split('\n').mid(8),
              RunPdfTool("pdftotext", {"-bbox", serial, "-"}).split('\n').mid(8));
    for (int p = 1; p <= pages; ++p) {
      const auto raster = [p](const QString& pdf) {
        return RunPdfTool("pdftoppm",
                          {"-r", "40", "-f", QString::number(p), "-l", QString::number(p), pdf});
      };
      EXPECT_EQ(raster(pipelined), raster(serial)) << "page " << p;
    }
  }
}

}  // namespace
}  // namespace orsalimbra::render::testing

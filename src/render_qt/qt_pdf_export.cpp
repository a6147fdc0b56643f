#include "render_qt/qt_pdf_export.h"

#include <memory>
#include <vector>

#include "render/page_title.h"
#include "render_qt/qt_measure_surface.h"
#include "render_qt/qt_pdf_surface.h"
#include "render_qt/qt_picture_plan.h"

namespace orsalimbra::render {

namespace {

// The window's part in a job, played by nobody: the page is set up
// beforehand and there is no bar, pointer or focus to show.
class PdfHost : public PrintHost {
 public:
  PdfHost(QString file, PdfPage page, PrintInputs inputs)
      : file_(std::move(file)),
        page_(std::move(page)),
        inputs_(std::move(inputs)),
        measure_(QtMeasureSurface::PrintableTwips(page_.layout)) {}

  bool ChoosePrinter() override { return true; }
  PrintInputs Inputs() override { return inputs_; }
  Surface& PageMeasure() override { return measure_; }
  void DocumentPlanned(const PrintRequest& request, const PrintInputs& inputs) override {
    plan_ = PlanPictures(request, inputs, QtMeasureSurface::PrintableTwips(page_.layout));
  }
  Surface* OpenDocument() override {
    surface_ = std::make_unique<QtPdfSurface>(file_, page_);
    surface_->DecodeAhead(plan_);
    return surface_.get();
  }
  void CloseDocument() override { surface_.reset(); }

 private:
  QString file_;
  PdfPage page_;
  PrintInputs inputs_;
  QtMeasureSurface measure_;
  std::vector<PlannedPicture> plan_;
  std::unique_ptr<QtPdfSurface> surface_;
};

}  // namespace

PrintResult ExportPdf(const PdfTarget& target, PrintInputs inputs, const PrintRequest& request) {
  // The resolution (1200 dpi) and the margins (10 points) of a
  // high-resolution printer printing into a PDF file.
  PdfPage page = PdfPage::Sized(target.pageSize, target.orientation);
  page.title =
      QString::fromStdString(ComposeCalendarTitle(inputs.year.CurrentTitle, inputs.yearText));
  QtMeasureSurface measure(QtMeasureSurface::PrintableTwips(page.layout));
  inputs.choices.metrics = MeasurePage(measure);

  PdfHost host(target.path, page, std::move(inputs));
  PrintJobs jobs(host);
  return jobs.Print(request);
}

}  // namespace orsalimbra::render

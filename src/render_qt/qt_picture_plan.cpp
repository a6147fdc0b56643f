#include "render_qt/qt_picture_plan.h"

#include "render_qt/qt_measure_surface.h"

namespace orsalimbra::render {

namespace {

// Measures as the Qt surfaces do; notes the pictures instead of painting.
class PlanSurface : public QtMeasureSurface {
 public:
  using QtMeasureSurface::PaintPicture;
  using QtMeasureSurface::QtMeasureSurface;
  bool PaintPicture(const Picture& picture, double, double, double width, double height,
                    const PicturePart& part) override {
    pictures.push_back({picture.path, QSizeF(width, height), part});
    return true;
  }
  std::vector<PlannedPicture> pictures;
};

class PlanHost : public PrintHost {
 public:
  PlanHost(const PrintInputs& inputs, QSizeF page) : inputs_(inputs), surface_(page) {}
  bool ChoosePrinter() override { return true; }
  PrintInputs Inputs() override { return inputs_; }
  Surface& PageMeasure() override { return surface_; }
  Surface* OpenDocument() override { return &surface_; }
  void CloseDocument() override {}
  std::vector<PlannedPicture>& pictures() { return surface_.pictures; }

 private:
  const PrintInputs& inputs_;
  PlanSurface surface_;
};

}  // namespace

std::vector<PlannedPicture> PlanPictures(const PrintRequest& request, const PrintInputs& inputs,
                                         QSizeF pageTwips) {
  PlanHost host(inputs, pageTwips);
  PrintJobs jobs(host);
  jobs.Print(request);
  return std::move(host.pictures());
}

}  // namespace orsalimbra::render

// The main window's part in the print jobs: its progress bar, its mouse
// pointer, the focus after a job and the printer it keeps. A half-year part
// shows the busy pointer while it draws; after the first half the focus
// goes to the second half's button, after the other parts to the exit.
#pragma once

#include <functional>
#include <memory>

#include "render/print_jobs.h"

class QPrinter;
class QProgressBar;
class QWidget;

namespace orsalimbra::render {
class QtMeasureSurface;
class QtSurface;
}  // namespace orsalimbra::render

namespace orsalimbra::ui {

class WindowPrintHost : public render::PrintHost {
 public:
  struct Parts {
    QWidget* window = nullptr;  // shows the busy pointer
    QProgressBar* progress = nullptr;
    QWidget* secondHalfButton = nullptr;  // the focus after the first half
    QWidget* exitButton = nullptr;        // the focus after the other half-year jobs
    QPrinter* printer = nullptr;          // where the documents go; a file for PdfFormat
    std::function<bool()> choosePrinter;
    std::function<render::PrintInputs()> inputs;
    std::function<void()> letEventsRun;
  };

  explicit WindowPrintHost(Parts parts);
  ~WindowPrintHost() override;

  bool ChoosePrinter() override;
  render::PrintInputs Inputs() override;
  // Measures on the printer's page as it is now.
  render::Surface& PageMeasure() override;
  render::Surface* OpenDocument() override;
  void CloseDocument() override;
  void SetProgressMaximum(int maximum) override;
  void SetProgressValue(int value) override;
  void SetProgressVisible(bool visible) override;
  void LetEventsRun() override;
  void PartStarted(render::HalfYear part) override;
  void PartFinished(render::HalfYear part) override;

 private:
  void SetBusyPointer(bool busy);

  Parts parts_;
  std::unique_ptr<render::QtSurface> surface_;
  std::unique_ptr<render::QtMeasureSurface> measure_;
};

}  // namespace orsalimbra::ui

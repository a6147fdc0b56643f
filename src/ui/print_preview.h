// The print preview: the pages a print command will produce, drawn by the
// print jobs themselves onto Qt's preview device, with the page and zoom
// controls of a desktop preview. The command is chosen in the window (the
// whole calendar, a month, a half-year or the cover alone); "Stampa..." and
// "Esporta PDF..." hand it back to the main window, which runs it as its
// own buttons do.
#pragma once

#include <QDialog>
#include <QPageLayout>

#include <functional>
#include <memory>

#include "core/year_model.h"
#include "render/print_jobs.h"

class QComboBox;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace orsalimbra::ui {

// The commands a preview offers, in the order of its selector.
std::vector<render::PrintRequest> PreviewCommands();

// Runs `request` for the preview on `printer`: the inputs measured on the
// printer's page, pictures decoded for the screen (`pictureDpi`).
render::PrintResult PreviewJob(QPrinter& printer, render::PrintInputs inputs,
                               const render::PrintRequest& request, double pictureDpi);

class PrintPreview : public QDialog {
  Q_OBJECT

 public:
  struct Hooks {
    // The year model and the choices as they are now.
    std::function<render::PrintInputs()> inputs;
    // Runs the command on the printer, or into a PDF file the user names.
    std::function<void(const render::PrintRequest&)> print;
    std::function<void(const render::PrintRequest&)> exportPdf;
  };

  // Pages laid out as `page`, starting with `request`; the selector names
  // the months of `year`.
  PrintPreview(const QPageLayout& page, const core::YearModel& year,
               const render::PrintRequest& request, Hooks hooks, QWidget* parent = nullptr);
  ~PrintPreview() override;

  const render::PrintRequest& request() const { return request_; }
  // Shows another command.
  void setRequest(const render::PrintRequest& request);
  // The outcome of the last drawing of the pages.
  const render::PrintResult& lastResult() const { return lastResult_; }
  QPrintPreviewWidget* view() const { return view_; }

 private:
  void Paint(QPrinter* printer);
  void ShowPageCounter();
  void Hand(const std::function<void(const render::PrintRequest&)>& action);

  Hooks hooks_;
  render::PrintRequest request_;
  render::PrintResult lastResult_;
  std::unique_ptr<QPrinter> printer_;
  QPrintPreviewWidget* view_ = nullptr;
  QComboBox* command_ = nullptr;
  QLabel* counter_ = nullptr;
  QLabel* nothing_ = nullptr;
};

}  // namespace orsalimbra::ui

// The main window's print commands: the printer dialog, and the print jobs
// run over the window's progress bar, pointer and focus.
#include <QCheckBox>
#include <QPrinter>
#include <QProgressBar>

#include "session/year_inputs.h"
#include "ui/form1.h"
#include "ui/print_failure_text.h"
#include "ui/printer_metrics.h"
#include "ui/window_print_host.h"
#include "ui/wrap_button.h"

namespace orsalimbra::ui {

void Form1::CreatePrintJobs() {
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  WindowPrintHost::Parts parts;
  parts.window = this;
  parts.progress = Progress;
  parts.secondHalfButton = Stampa2;
  parts.exitButton = Esci;
  parts.printer = printer_.get();
  parts.choosePrinter = [this] { return ChoosePrinter(); };
  parts.inputs = [this] { return PrintInputs(); };
  parts.letEventsRun = [this] { LetEventsRun(); };
  printHost_ = std::make_unique<WindowPrintHost>(std::move(parts));
  jobs_ = std::make_unique<render::PrintJobs>(*printHost_);
}

// A print reached with Alt and a letter leaves the focus where it was: a year
// still being typed is applied (or refused) first, as leaving the box would.
void Form1::PrintAll() {
  ApplyYearBox();
  ReportPrint(jobs_->PrintAll());
}

void Form1::PrintMonth(int index) {
  ApplyYearBox();
  ReportPrint(jobs_->PrintMonth(index));
}

void Form1::PrintHalfYear(render::HalfYear half) {
  ApplyYearBox();
  ReportPrint(jobs_->PrintHalfYear(half));
}

bool Form1::ChoosePrinter() {
  if (PrinterChosen) return true;
  if (services_.choosePrinter && services_.choosePrinter(this, *printer_)) {
    PrinterChosen = true;
    // Another printer or paper lays the pages out anew: the page metrics of
    // the start-up belong to the printer that was the default then.
    metrics_ = MeasurePrinter(*printer_);
  }
  LetEventsRun();
  return PrinterChosen;
}

render::PrintInputs Form1::PrintInputs() const {
  render::PrintInputs inputs;
  inputs.year = year_;
  inputs.yearText = std::to_string(yearInForce_);
  session::Choices now = choices_;
  now.OrdInv = OrdInv->checkState() == Qt::Checked;
  now.UseLocalTime = timeBase_.UseLocalTime();
  inputs.choices = session::PrintChoicesFor(now, year_, timeBase_.UtcOffsetHours(), metrics_,
                                            env_.files.folder.toStdString());
  return inputs;
}

void Form1::ReportPrint(const render::PrintResult& result) {
  const bool failed = result.status == render::PrintStatus::Failed ||
                      result.status == render::PrintStatus::PageTooSmall;
  if (!failed || !services_.showPrintFailure) return;
  services_.showPrintFailure(this, QString::fromUtf8(kPrintFailureTitle),
                             PrintFailureText(result.failure));
}

}  // namespace orsalimbra::ui

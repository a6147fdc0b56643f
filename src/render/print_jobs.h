// The print commands of the main window: print all, one month (or the pair
// of months that shares its sheet), one half-year, or the cover alone.
//
// The jobs decide which pages are printed and in which order, count the
// progress, and open, page and close the document; the pages themselves are
// drawn by the page renderers. The caller takes part through PrintHost, so
// the same jobs run behind the window's buttons, in the command-line export,
// in the preview and in the tests.
//
// Page breaks are issued lazily: a job asks for a break after a page, and the
// break reaches the surface only when the next page starts drawing. A job
// that ends right after a page therefore leaves no blank sheet behind, as a
// document that starts its pages with their first drawing would.
#pragma once

#include <string>

#include "core/year_model.h"
#include "render/page_inputs.h"
#include "render/surface.h"

namespace orsalimbra::render {

struct PrintInputs {
  core::YearModel year;
  // The year box as typed; the half-year and cover jobs take their year from
  // it, the month jobs from the year model.
  std::string yearText;
  PrintChoices choices;
};

// The part a half-year command prints: the cover alone, or a half.
enum class HalfYear : int { CoverOnly = 0, First = 1, Second = 2 };

enum class PrintCommand {
  All,       // "Stampa tutto"
  Month,     // a month button
  HalfYear,  // a half-year button, or the cover button
};

// One print command with its argument.
struct PrintRequest {
  PrintCommand command = PrintCommand::All;
  int month = 0;                    // Month: the button's index 0..11
  HalfYear half = HalfYear::First;  // HalfYear: the part

  static PrintRequest All() { return {}; }
  static PrintRequest Month(int index) { return {PrintCommand::Month, index, HalfYear::First}; }
  static PrintRequest Half(HalfYear half) { return {PrintCommand::HalfYear, 0, half}; }
};

// The caller's part in a job: the printer and the inputs, and what the job
// tells while it runs. How the caller shows it (a bar, a pointer, the focus)
// is its own business.
class PrintHost {
 public:
  virtual ~PrintHost() = default;

  // Asks for the printer unless one was chosen already; true when one is
  // ready. A cancelled dialog gives false and the job prints nothing.
  virtual bool ChoosePrinter() = 0;
  // The year model and the choices as they are now.
  virtual PrintInputs Inputs() = 0;
  // A surface that measures text as the document's will, on the chosen
  // paper, without starting a document: the job checks on it that its pages
  // fit before it opens one. Asked after ChoosePrinter.
  virtual Surface& PageMeasure() = 0;
  // What the next document will hold, just before it is opened: a host may
  // prepare its pictures ahead.
  virtual void DocumentPlanned(const PrintRequest&, const PrintInputs&) {}
  // Starts a document on the chosen printer. The surface stays the host's
  // and must live until CloseDocument; one that could not start reports it
  // through Failed(). Null when there is no device at all.
  virtual Surface* OpenDocument() = 0;
  // After EndDoc, or after Abort when the job failed.
  virtual void CloseDocument() = 0;

  // The progress of the job: the number of steps it expects, the steps
  // done, and whether progress is shown at all. A host without a window
  // shows none.
  virtual void SetProgressMaximum(int /*maximum*/) {}
  virtual void SetProgressValue(int /*value*/) {}
  virtual void SetProgressVisible(bool /*visible*/) {}
  // Lets pending window events run.
  virtual void LetEventsRun() {}
  // A half-year part starts drawing, and has been drawn; the half-year jobs
  // of print-all too.
  virtual void PartStarted(HalfYear) {}
  virtual void PartFinished(HalfYear) {}
};

enum class PrintStatus {
  Printed,         // the document was completed and handed to the device
  NothingToPrint,  // the command prints nothing with these choices; no document was started
  NoPrinter,       // the print dialog was cancelled
  Ignored,         // another job was running
  Failed,          // the device failed; the document was abandoned
  Cancelled,       // the job was cancelled; the document was abandoned
  PageTooSmall,    // the pages do not fit the paper; no document was started
};

struct PrintResult {
  PrintStatus status = PrintStatus::NothingToPrint;
  // Failed: what the device reported; PageTooSmall: that, with the
  // printable area.
  DeviceFailure failure;
  int pages = 0;  // pages started on the device
};

// The distance from the top of the sheet at which month `month` (1..12) is
// drawn: 0.45 of the page height for the even month of a two-month sheet,
// else 0; rounded to whole twips.
int BlockOffset(int month, bool noMonthPhotos, double scaleHeight);

class PrintJobs {
 public:
  explicit PrintJobs(PrintHost& host) : host_(host) {}

  PrintJobs(const PrintJobs&) = delete;
  PrintJobs& operator=(const PrintJobs&) = delete;

  // Runs one command.
  PrintResult Print(const PrintRequest& request);
  // "Stampa tutto": the cover and back cover (month layouts with a cover
  // picture and a cover style), then every month, or the two half-year
  // pages of the semester layout.
  PrintResult PrintAll();
  // "Stampa mese" button `index` (0..11): its month, or with two months per
  // page the sheet that holds it.
  PrintResult PrintMonth(int index);
  // Sets HalfYear, then prints that part.
  PrintResult PrintHalfYear(HalfYear half);
  // Prints the part HalfYear names.
  PrintResult PrintHalfYear();
  // Asks the running job to stop: it draws no further page, abandons its
  // document (a printer job is aborted, a partial PDF removed) and returns
  // Cancelled. Pending window events are the place to call it from.
  void Cancel() {
    if (running_) cancelled_ = true;
  }

  // While the print-all job runs.
  bool PrintAllActive() const { return printAllActive_; }
  // The part the half-year job prints; keeps its last value.
  HalfYear halfYear() const { return halfYear_; }
  // A job is running (a command now is ignored).
  bool running() const { return running_; }

  // The progress as the jobs last set it.
  int progressMaximum() const { return progressMaximum_; }
  int progressValue() const { return progressValue_; }
  bool progressVisible() const { return progressVisible_; }

 private:
  struct Document;
  class BarProgress;

  PrintResult Run(PrintCommand command, int month);
  bool Printable(PrintCommand command, int month, const PrintInputs& inputs) const;

  // The job bodies; they run inside print-all too. False after a failure.
  bool AllJob(Document& doc);
  bool MonthJob(Document& doc, int index);
  bool HalfYearJob(Document& doc);
  bool CoverPages(Document& doc);

  void SetMaximum(int maximum);
  void SetValue(int value);
  void ShowBar(bool visible);
  void StepBar();

  PrintHost& host_;
  bool printAllActive_ = false;
  HalfYear halfYear_ = HalfYear::CoverOnly;
  bool running_ = false;
  bool cancelled_ = false;
  int progressMaximum_ = 100;
  int progressValue_ = 0;
  bool progressVisible_ = false;
};

}  // namespace orsalimbra::render

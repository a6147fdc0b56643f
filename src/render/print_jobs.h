// The print commands of the main window: print all, one month (or the pair
// of months that shares its sheet), one half-year, or the cover alone.
//
// The jobs decide which pages are printed and in which order, number the
// progress bar, and open, page and close the document; the pages themselves
// are drawn by the page renderers. The window takes part through PrintHost,
// so the same jobs run behind the buttons, in the command-line export and in
// the tests.
//
// Page breaks are issued lazily: a job asks for a break after a page, and the
// break reaches the surface only when the next page starts drawing. A job
// that ends right after a page therefore leaves no blank sheet behind, as a
// document that starts its pages with their first drawing would.
#pragma once

#include <string>

#include "core/year_model.h"
#include "render/moon_look.h"
#include "render/page_context.h"
#include "render/surface.h"

namespace orsalimbra::render {

// What a job prints with besides the year model; fixed when the job starts,
// so that a choice changed while it runs (the window lets clicks through)
// cannot mix two layouts in one document.
struct PrintChoices {
  int LayoutType = core::kLayoutWeekly;  // 0 semester, 1 weekly, 2 daily
  int CoverStyle = 0;                    // 0 no cover, 1..3 title placement, 4 picture only
  bool OrdInv = false;                   // the reversed page order is ticked
  TitleLook titleLook;
  MoonLook moonLook;
  TimeBase timeBase;
  PageMetrics metrics;  // measured on the chosen printer
  PageColours colours;
  std::string ProgramFolder;   // the backgrounds of the half-year pages
  FileExists fileExists;       // empty: a regular-file test
  MoonPhaseSource moonPhases;  // empty: the astronomical computation
};

struct PrintInputs {
  core::YearModel year;
  // The year box as typed; the half-year and cover jobs take their year from
  // it, the month jobs from the year model.
  std::string yearText;
  PrintChoices choices;
};

// Where the focus goes after a half-year or cover job.
enum class FocusTarget {
  SecondHalfButton,  // after the first half, ready for the second
  ExitButton,
};

// The window's part in a job.
class PrintHost {
 public:
  virtual ~PrintHost() = default;

  // Asks for the printer unless one was chosen already; true when one is
  // ready. A cancelled dialog gives false and the job prints nothing.
  virtual bool ChoosePrinter() = 0;
  // The year model and the choices as they are now.
  virtual PrintInputs Inputs() = 0;
  // Starts a document on the chosen printer. The surface stays the host's
  // and must live until CloseDocument; one that could not start reports it
  // through Failed(). Null when there is no device at all.
  virtual Surface* OpenDocument() = 0;
  // After EndDoc, or after Abort when the job failed.
  virtual void CloseDocument() = 0;

  virtual void SetProgressMaximum(int maximum) = 0;
  virtual void SetProgressValue(int value) = 0;
  virtual void SetProgressVisible(bool visible) = 0;
  // Lets pending window events run.
  virtual void LetEventsRun() = 0;
  virtual void SetBusyPointer(bool busy) = 0;
  virtual void SetFocus(FocusTarget target) = 0;
};

enum class PrintStatus {
  Printed,         // the document was completed and handed to the device
  NothingToPrint,  // the command prints nothing with these choices; no document was started
  NoPrinter,       // the print dialog was cancelled
  Ignored,         // another job was running
  Failed,          // the device failed; the document was abandoned
};

struct PrintResult {
  PrintStatus status = PrintStatus::NothingToPrint;
  DeviceFailure failure;  // Failed: what the device reported
  int pages = 0;          // pages started on the device
};

// Half-year parts, the values of HalfYear.
inline constexpr int kCoverOnly = 0;
inline constexpr int kFirstHalf = 1;
inline constexpr int kSecondHalf = 2;

// The progress bar maxima of the jobs.
inline constexpr int kPrintAllDays = 365;
inline constexpr int kPrintAllWithCover = 395;
inline constexpr int kProgressAfterCover = 20;
inline constexpr int kProgressAfterBackCover = 30;
inline constexpr int kSemesterPageDays = 240;
inline constexpr int kHalfYearDays = 183;
inline constexpr int kCoverOnlySteps = 100;

// The distance from the top of the sheet at which month `month` (1..12) is
// drawn: 0.45 of the page height for the even month of a two-month sheet,
// else 0; rounded to whole twips.
int BlockOffset(int month, int noMonthPhotos, double scaleHeight);

class PrintJobs {
 public:
  explicit PrintJobs(PrintHost& host) : host_(host) {}

  PrintJobs(const PrintJobs&) = delete;
  PrintJobs& operator=(const PrintJobs&) = delete;

  // "Stampa tutto": the cover and back cover (month layouts with a cover
  // picture and a cover style), then every month, or the two half-year
  // pages of the semester layout.
  PrintResult PrintAll();
  // "Stampa mese" button `index` (0..11): its month, or with two months per
  // page the sheet that holds it.
  PrintResult PrintMonth(int index);
  // Sets HalfYear, then prints that part: kCoverOnly, kFirstHalf or kSecondHalf.
  PrintResult PrintHalfYear(int half);
  // Prints the part HalfYear names.
  PrintResult PrintHalfYear();

  // 1 while the print-all job runs, else 0.
  int PrintAllActive() const { return printAllActive_; }
  // The part the half-year job prints; keeps its last value.
  int HalfYear() const { return halfYear_; }
  // A job is running (a command now is ignored).
  bool Running() const { return running_; }

  // The progress bar as the jobs last set it.
  int ProgressMaximum() const { return progressMaximum_; }
  int ProgressValue() const { return progressValue_; }
  bool ProgressVisible() const { return progressVisible_; }

 private:
  struct Document;
  class BarProgress;
  enum class Job { All, Month, HalfYear };

  PrintResult Run(Job job, int month);
  bool Printable(Job job, int month, const PrintInputs& inputs) const;

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
  int printAllActive_ = 0;
  int halfYear_ = 0;
  bool running_ = false;
  int progressMaximum_ = 100;
  int progressValue_ = 0;
  bool progressVisible_ = false;
};

}  // namespace orsalimbra::render

#include "render/print_jobs.h"

#include <chrono>
#include <cmath>
#include <optional>

#include "render/cover_page.h"
#include "render/month_page.h"
#include "render/semester_page.h"

namespace orsalimbra::render {

namespace {

std::chrono::year_month_day FirstOfMonth(int year, int month) {
  return std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
         std::chrono::day{1};
}

bool MonthLayout(int layout) {
  return layout == core::kLayoutWeekly || layout == core::kLayoutDaily;
}

// A back-cover note beginning with "-" asks for no back cover.
bool BackCoverWanted(const core::YearModel& year) {
  const std::string& note = year.PhotoNotes[0];
  return note.empty() || note.front() != '-';
}

}  // namespace

int BlockOffset(int month, int noMonthPhotos, double scaleHeight) {
  return static_cast<int>(std::lround(((month + 1) % 2) * noMonthPhotos * scaleHeight * 0.45));
}

// Hands the renderers' day steps and yields to the progress bar and the host.
class PrintJobs::BarProgress : public RenderProgress {
 public:
  explicit BarProgress(PrintJobs& jobs) : jobs_(jobs) {}
  void Step() override { jobs_.StepBar(); }
  void LetEventsRun() override { jobs_.host_.LetEventsRun(); }

 private:
  PrintJobs& jobs_;
};

// One document on the device: the inputs fixed at the start, the surface and
// the renderers' context, shared by the sub-jobs of print-all.
struct PrintJobs::Document {
  Document(PrintJobs& jobs, PrintInputs in, Surface& s)
      : inputs(std::move(in)), surface(s), ctx(s, inputs.year), progress(jobs) {
    const PrintChoices& c = inputs.choices;
    ctx.titleLook = c.titleLook;
    ctx.moonLook = c.moonLook;
    ctx.timeBase = c.timeBase;
    ctx.LayoutType = c.LayoutType;
    ctx.CoverStyle = c.CoverStyle;
    ctx.metrics = c.metrics;
    ctx.colours = c.colours;
    ctx.ProgramFolder = c.ProgramFolder;
    if (c.fileExists) ctx.fileExists = c.fileExists;
    if (c.moonPhases) ctx.moonPhases = c.moonPhases;
    ctx.progress = &progress;
    // Every job draws its day cells with the same inset, whichever job ran
    // first since the program started.
    ctx.ColumnInset = 120;
  }

  // The current page is complete; the next drawing goes on a fresh one.
  void PageBreak() { breakPending = true; }

  // Runs `draw` on the current page, starting the page a break asked for.
  // False when the device failed, before or while drawing.
  template <typename Draw>
  bool DrawPage(Draw draw) {
    if (surface.Failed()) return false;
    if (breakPending) {
      breakPending = false;
      if (!surface.NewPage()) return false;
      ++pages;
    }
    draw(ctx);
    return !surface.Failed();
  }

  bool DrawMonth(int month) {
    return DrawPage([&](PageContext& c) {
      c.MonthStart = FirstOfMonth(c.CalendarYear, month);
      PrintMonthPage(c, BlockOffset(month, c.NoMonthPhotos, surface.ScaleHeight()));
    });
  }

  // Ends the document; a break still pending is dropped.
  bool End() {
    breakPending = false;
    return surface.EndDoc() && !surface.Failed();
  }

  PrintInputs inputs;
  Surface& surface;
  PageContext ctx;
  BarProgress progress;
  bool breakPending = false;
  int pages = 1;
};

bool PrintJobs::Printable(Job job, int month, const PrintInputs& inputs) const {
  const int layout = inputs.choices.LayoutType;
  if (layout != core::kLayoutSemester && !MonthLayout(layout)) return false;
  switch (job) {
    case Job::Month:
      // The month buttons are for the month layouts only.
      return MonthLayout(layout) && month >= 0 && month <= 11 && inputs.year.MonthStart.has_value();
    case Job::All:
      if (layout == core::kLayoutSemester) return core::YearOfText(inputs.yearText).has_value();
      return inputs.year.MonthStart.has_value();
    case Job::HalfYear:
      if (!core::YearOfText(inputs.yearText)) return false;
      if (halfYear_ == kFirstHalf || halfYear_ == kSecondHalf) return true;
      return halfYear_ == kCoverOnly && MonthLayout(layout) && inputs.choices.CoverStyle > 0;
  }
  return false;
}

PrintResult PrintJobs::Run(Job job, int month) {
  PrintResult result;
  if (running_) {
    result.status = PrintStatus::Ignored;
    return result;
  }
  running_ = true;
  struct Done {
    bool& running;
    ~Done() { running = false; }
  } done{running_};

  // Nothing to print asks for no printer; the inputs are taken again after
  // the dialog, which may have changed the page.
  if (!Printable(job, month, host_.Inputs())) return result;
  if (!host_.ChoosePrinter()) {
    result.status = PrintStatus::NoPrinter;
    return result;
  }
  PrintInputs inputs = host_.Inputs();
  if (!Printable(job, month, inputs)) return result;

  Surface* surface = host_.OpenDocument();
  if (surface == nullptr) {
    result.status = PrintStatus::Failed;
    result.failure = {DeviceFailure::Kind::NoPrinter};
    return result;
  }
  Document doc(*this, std::move(inputs), *surface);
  bool ok = !surface->Failed();
  if (ok) {
    switch (job) {
      case Job::All:
        ok = AllJob(doc);
        break;
      case Job::Month:
        ok = MonthJob(doc, month);
        break;
      case Job::HalfYear:
        ok = HalfYearJob(doc);
        break;
    }
  }
  result.pages = doc.pages;
  if (ok) {
    result.status = PrintStatus::Printed;
  } else {
    // Nothing more is drawn: the document is abandoned and the window is
    // left as after a job that never started.
    surface->Abort();
    result.status = PrintStatus::Failed;
    result.failure = surface->failure();
    if (!surface->Failed()) result.failure = {DeviceFailure::Kind::Stopped};
    printAllActive_ = 0;
    ShowBar(false);
    SetValue(0);
    host_.SetBusyPointer(false);
  }
  host_.CloseDocument();
  return result;
}

PrintResult PrintJobs::PrintAll() { return Run(Job::All, 0); }

PrintResult PrintJobs::PrintMonth(int index) { return Run(Job::Month, index); }

PrintResult PrintJobs::PrintHalfYear(int half) {
  // A click while a job runs changes nothing, not even the part.
  if (running_) return {PrintStatus::Ignored, {}, 0};
  halfYear_ = half;
  return PrintHalfYear();
}

PrintResult PrintJobs::PrintHalfYear() { return Run(Job::HalfYear, 0); }

bool PrintJobs::AllJob(Document& doc) {
  const PrintChoices& c = doc.inputs.choices;
  const core::YearModel& year = doc.inputs.year;
  printAllActive_ = 1;
  SetValue(0);
  SetMaximum(kPrintAllDays);
  ShowBar(true);

  if (year.HasCoverPhoto && c.LayoutType > 0 && c.CoverStyle > 0) {
    SetMaximum(kPrintAllWithCover);
    if (!doc.DrawPage(PrintCover)) return false;
    SetValue(kProgressAfterCover);
    if (BackCoverWanted(year)) {
      doc.PageBreak();
      if (!doc.DrawPage(PrintBackCover)) return false;
    }
    doc.PageBreak();
    SetValue(kProgressAfterBackCover);
  }

  if (MonthLayout(c.LayoutType)) {
    const int pairs = doc.ctx.NoMonthPhotos;
    const int step = pairs + 1;
    if (c.OrdInv) {
      // Front and back of the sheets when the pages are folded in half.
      for (int m = 0; m <= 5; m += step) {
        if (!MonthJob(doc, m) || !MonthJob(doc, 11 - m - pairs)) return false;
      }
    } else {
      for (int m = 0; m <= 11; m += step) {
        if (!MonthJob(doc, m)) return false;
      }
    }
  } else if (c.LayoutType == core::kLayoutSemester) {
    halfYear_ = kFirstHalf;
    if (!HalfYearJob(doc)) return false;
    doc.PageBreak();
    halfYear_ = kSecondHalf;
    if (!HalfYearJob(doc)) return false;
  }

  if (!doc.End()) return false;
  ShowBar(false);
  SetValue(0);
  printAllActive_ = 0;
  return true;
}

bool PrintJobs::MonthJob(Document& doc, int index) {
  const bool inPrintAll = printAllActive_ > 0;
  const auto& days = doc.inputs.year.MonthDays;
  int m = index + 1;
  if (!inPrintAll) SetValue(0);
  ShowBar(true);
  if (doc.ctx.NoMonthPhotos == 0) {
    if (!inPrintAll) SetMaximum(days[m]);
    if (!doc.DrawMonth(m)) return false;
  } else {
    // The odd month of the pair, at the top of the sheet, and the even one below.
    m = (m - 1) / 2 * 2 + 1;
    if (!inPrintAll) SetMaximum(days[m] + days[m + 1]);
    if (!doc.DrawMonth(m) || !doc.DrawMonth(m + 1)) return false;
  }
  if (inPrintAll) {
    doc.PageBreak();
  } else {
    if (!doc.End()) return false;
    ShowBar(false);
  }
  return true;
}

bool PrintJobs::HalfYearJob(Document& doc) {
  const bool inPrintAll = printAllActive_ > 0;
  PageContext& ctx = doc.ctx;
  Surface& s = doc.surface;
  const PrintChoices& c = doc.inputs.choices;
  host_.SetBusyPointer(true);
  if (!inPrintAll) SetValue(0);
  ShowBar(true);
  host_.LetEventsRun();

  s.FontName = kBaseFontName;
  s.FontSize = 8;
  s.FontBold = false;
  s.FontItalic = false;
  s.ForeColor = ctx.colours.WeekdayColour;

  // The year as the year box shows it now (checked before the job started).
  const int year = core::YearOfText(doc.inputs.yearText).value_or(ctx.CalendarYear);
  ctx.MonthStart = FirstOfMonth(year, 1);
  ctx.CalendarYear = year;

  if (c.LayoutType == core::kLayoutSemester) {
    SelectBackgrounds(ctx);
    if (halfYear_ == kFirstHalf || halfYear_ == kSecondHalf) {
      if (!inPrintAll) SetMaximum(kSemesterPageDays);
      // Each page is framed by the month before and the month after its half.
      if (halfYear_ == kFirstHalf) {
        ctx.MonthStart = FirstOfMonth(year - 1, 12);
        ctx.CurrentBackground = ctx.FirstHalfBackground;
      } else {
        ctx.MonthStart = FirstOfMonth(year, 6);
        ctx.CurrentBackground = ctx.SecondHalfBackground;
      }
      if (!doc.DrawPage(PrintSemesterPage)) return false;
    }
  } else if (MonthLayout(c.LayoutType)) {
    const int pairs = ctx.NoMonthPhotos;
    // With two months a sheet the break follows the second month drawn on
    // it: the even month going forwards, the odd one going backwards.
    const auto month = [&](int m, bool breakAfter, bool backwards) {
      const bool lower = BlockOffset(m, pairs, s.ScaleHeight()) > 0;
      if (!doc.DrawMonth(m)) return false;
      if (breakAfter && (pairs == 0 || lower != backwards)) doc.PageBreak();
      return true;
    };
    switch (halfYear_) {
      case kCoverOnly:
        if (c.CoverStyle > 0 && !CoverPages(doc)) return false;
        break;
      case kFirstHalf:
        if (!inPrintAll) SetMaximum(kHalfYearDays);
        for (int m = 1; m <= 6; ++m) {
          if (!month(m, m < 6, false)) return false;
        }
        break;
      case kSecondHalf:
        if (!inPrintAll) SetMaximum(kHalfYearDays);
        if (c.OrdInv) {
          for (int m = 12; m >= 7; --m) {
            if (!month(m, m > 7, true)) return false;
          }
        } else {
          for (int m = 7; m <= 12; ++m) {
            if (!month(m, m < 12, false)) return false;
          }
        }
        break;
      default:
        break;
    }
  }

  if (!inPrintAll && !doc.End()) return false;
  host_.SetFocus(halfYear_ == kFirstHalf ? FocusTarget::SecondHalfButton : FocusTarget::ExitButton);
  if (!inPrintAll) ShowBar(false);
  host_.LetEventsRun();
  host_.SetBusyPointer(false);
  return true;
}

bool PrintJobs::CoverPages(Document& doc) {
  const bool inPrintAll = printAllActive_ > 0;
  if (!inPrintAll) SetMaximum(kCoverOnlySteps);
  if (!doc.DrawPage(PrintCover)) return false;
  if (!inPrintAll) SetValue(kCoverOnlySteps / 2);
  if (BackCoverWanted(doc.inputs.year)) {
    doc.PageBreak();
    if (!doc.DrawPage(PrintBackCover)) return false;
  }
  if (!inPrintAll) SetValue(kCoverOnlySteps);
  return true;
}

void PrintJobs::SetMaximum(int maximum) {
  progressMaximum_ = maximum;
  host_.SetProgressMaximum(maximum);
}

void PrintJobs::SetValue(int value) {
  progressValue_ = value;
  host_.SetProgressValue(value);
}

void PrintJobs::ShowBar(bool visible) {
  progressVisible_ = visible;
  host_.SetProgressVisible(visible);
}

void PrintJobs::StepBar() {
  // A full bar stays full: a leap year or a semester page draws a few days
  // more than the maximum the job set.
  if (progressValue_ < progressMaximum_) SetValue(progressValue_ + 1);
}

}  // namespace orsalimbra::render

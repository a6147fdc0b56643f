#include "render/print_jobs.h"

#include <chrono>
#include <cmath>
#include <optional>

#include "render/cover_page.h"
#include "render/month_page.h"
#include "render/page_fit.h"
#include "render/page_state.h"
#include "render/semester_page.h"

namespace orsalimbra::render {

namespace {

std::chrono::year_month_day FirstOfMonth(int year, int month) {
  return std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
         std::chrono::day{1};
}

// The progress the jobs count: the days of a year, and the steps a cover,
// a back cover, a half-year page or the cover alone count for.
constexpr int kPrintAllDays = 365;
constexpr int kPrintAllWithCover = 395;
constexpr int kProgressAfterCover = 20;
constexpr int kProgressAfterBackCover = 30;
constexpr int kSemesterPageDays = 240;
constexpr int kHalfYearDays = 183;
constexpr int kCoverOnlySteps = 100;

// A back-cover note beginning with "-" asks for no back cover.
bool BackCoverWanted(const core::YearModel& year) {
  const std::string& note = year.PhotoNotes[0];
  return note.empty() || note.front() != '-';
}

}  // namespace

int BlockOffset(int month, bool noMonthPhotos, double scaleHeight) {
  return static_cast<int>(
      std::lround(((month + 1) % 2) * (noMonthPhotos ? 1 : 0) * scaleHeight * 0.45));
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
// the renderers' state, shared by the sub-jobs of print-all.
struct PrintJobs::Document {
  Document(PrintJobs& jobs, PrintInputs in, Surface& s)
      : inputs(std::move(in)),
        surface(s),
        progress(jobs),
        page(inputs.year, inputs.choices, &progress),
        state(page) {}

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
    draw();
    return !surface.Failed();
  }

  bool DrawMonth(int month) {
    return DrawPage([&] {
      state.MonthStart = FirstOfMonth(state.CalendarYear, month);
      PrintMonthPage(surface, page, state,
                     BlockOffset(month, inputs.year.NoMonthPhotos, surface.ScaleHeight()));
    });
  }
  bool DrawCover() {
    return DrawPage([&] { PrintCover(surface, page, state); });
  }
  bool DrawBackCover() {
    return DrawPage([&] { PrintBackCover(surface, page); });
  }

  // Ends the document; a break still pending is dropped.
  bool End() {
    breakPending = false;
    return surface.EndDoc() && !surface.Failed();
  }

  PrintInputs inputs;
  Surface& surface;
  BarProgress progress;
  PageInputs page;
  PageState state;
  bool breakPending = false;
  int pages = 1;
};

bool PrintJobs::Printable(PrintCommand command, int month, const PrintInputs& inputs) const {
  const core::LayoutCode layout = inputs.choices.LayoutType;
  const bool monthLayout = core::IsMonthLayout(layout);
  if (layout != core::LayoutCode::Semester && !monthLayout) return false;
  switch (command) {
    case PrintCommand::Month:
      // The month buttons are for the month layouts only.
      return monthLayout && month >= 0 && month <= 11 && inputs.year.MonthStart.has_value();
    case PrintCommand::All:
      if (!monthLayout) return core::YearOfText(inputs.yearText).has_value();
      return inputs.year.MonthStart.has_value();
    case PrintCommand::HalfYear:
      if (!core::YearOfText(inputs.yearText)) return false;
      if (halfYear_ == HalfYear::First || halfYear_ == HalfYear::Second) return true;
      return halfYear_ == HalfYear::CoverOnly && monthLayout &&
             inputs.choices.CoverStyle > CoverCode::None;
  }
  return false;
}

PrintResult PrintJobs::Run(PrintCommand command, int month) {
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
  if (!Printable(command, month, host_.Inputs())) return result;
  if (!host_.ChoosePrinter()) {
    result.status = PrintStatus::NoPrinter;
    return result;
  }
  PrintInputs inputs = host_.Inputs();
  if (!Printable(command, month, inputs)) return result;
  // The cover always fits; every other page is a month or half-year page.
  const bool coverOnly = command == PrintCommand::HalfYear && halfYear_ == HalfYear::CoverOnly;
  if (!coverOnly &&
      CheckPageFit(host_.PageMeasure(), PageInputs(inputs.year, inputs.choices)) != PageFit::Fits) {
    result.status = PrintStatus::PageTooSmall;
    result.failure = {DeviceFailure::Kind::PageTooSmall, PrintableSizeText(inputs.choices.metrics)};
    return result;
  }

  Surface* surface = host_.OpenDocument();
  if (surface == nullptr) {
    result.status = PrintStatus::Failed;
    result.failure = {DeviceFailure::Kind::NoPrinter};
    return result;
  }
  Document doc(*this, std::move(inputs), *surface);
  bool ok = !surface->Failed();
  if (ok) {
    switch (command) {
      case PrintCommand::All:
        ok = AllJob(doc);
        break;
      case PrintCommand::Month:
        ok = MonthJob(doc, month);
        break;
      case PrintCommand::HalfYear:
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
    printAllActive_ = false;
    ShowBar(false);
    SetValue(0);
  }
  host_.CloseDocument();
  return result;
}

PrintResult PrintJobs::Print(const PrintRequest& request) {
  switch (request.command) {
    case PrintCommand::All:
      return PrintAll();
    case PrintCommand::Month:
      return PrintMonth(request.month);
    case PrintCommand::HalfYear:
      return PrintHalfYear(request.half);
  }
  return {};
}

PrintResult PrintJobs::PrintAll() { return Run(PrintCommand::All, 0); }

PrintResult PrintJobs::PrintMonth(int index) { return Run(PrintCommand::Month, index); }

PrintResult PrintJobs::PrintHalfYear(HalfYear half) {
  // A click while a job runs changes nothing, not even the part.
  if (running_) return {PrintStatus::Ignored, {}, 0};
  halfYear_ = half;
  return PrintHalfYear();
}

PrintResult PrintJobs::PrintHalfYear() { return Run(PrintCommand::HalfYear, 0); }

bool PrintJobs::AllJob(Document& doc) {
  const PrintChoices& c = doc.inputs.choices;
  const core::YearModel& year = doc.inputs.year;
  printAllActive_ = true;
  SetValue(0);
  SetMaximum(kPrintAllDays);
  ShowBar(true);

  const bool monthLayout = core::IsMonthLayout(c.LayoutType);
  if (year.HasCoverPhoto && monthLayout && c.CoverStyle > CoverCode::None) {
    SetMaximum(kPrintAllWithCover);
    if (!doc.DrawCover()) return false;
    SetValue(kProgressAfterCover);
    if (BackCoverWanted(year)) {
      doc.PageBreak();
      if (!doc.DrawBackCover()) return false;
    }
    doc.PageBreak();
    SetValue(kProgressAfterBackCover);
  }

  if (monthLayout) {
    const int pairs = year.NoMonthPhotos ? 1 : 0;
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
  } else if (c.LayoutType == core::LayoutCode::Semester) {
    halfYear_ = HalfYear::First;
    if (!HalfYearJob(doc)) return false;
    doc.PageBreak();
    halfYear_ = HalfYear::Second;
    if (!HalfYearJob(doc)) return false;
  }

  if (!doc.End()) return false;
  ShowBar(false);
  SetValue(0);
  printAllActive_ = false;
  return true;
}

bool PrintJobs::MonthJob(Document& doc, int index) {
  const bool inPrintAll = printAllActive_;
  const auto& days = doc.inputs.year.MonthDays;
  int m = index + 1;
  if (!inPrintAll) SetValue(0);
  ShowBar(true);
  if (!doc.inputs.year.NoMonthPhotos) {
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
  const bool inPrintAll = printAllActive_;
  PageState& st = doc.state;
  Surface& s = doc.surface;
  const PrintChoices& c = doc.inputs.choices;
  const HalfYear part = halfYear_;
  host_.PartStarted(part);
  if (!inPrintAll) SetValue(0);
  ShowBar(true);
  host_.LetEventsRun();

  s.FontName = kBaseFontName;
  s.FontSize = 8;
  s.FontBold = false;
  s.FontItalic = false;
  s.ForeColor = c.colours.WeekdayColour;

  // The year as the year box shows it now (checked before the job started).
  const int year = core::YearOfText(doc.inputs.yearText).value_or(st.CalendarYear);
  st.MonthStart = FirstOfMonth(year, 1);
  st.CalendarYear = year;

  if (c.LayoutType == core::LayoutCode::Semester) {
    SelectBackgrounds(doc.page, st);
    if (part == HalfYear::First || part == HalfYear::Second) {
      if (!inPrintAll) SetMaximum(kSemesterPageDays);
      // Each page is framed by the month before and the month after its half.
      if (part == HalfYear::First) {
        st.MonthStart = FirstOfMonth(year - 1, 12);
        st.CurrentBackground = st.FirstHalfBackground;
      } else {
        st.MonthStart = FirstOfMonth(year, 6);
        st.CurrentBackground = st.SecondHalfBackground;
      }
      if (!doc.DrawPage([&] { PrintSemesterPage(s, doc.page, st); })) return false;
    }
  } else if (core::IsMonthLayout(c.LayoutType)) {
    const bool pairs = doc.inputs.year.NoMonthPhotos;
    // With two months a sheet the break follows the second month drawn on
    // it: the even month going forwards, the odd one going backwards.
    const auto month = [&](int m, bool breakAfter, bool backwards) {
      const bool lower = BlockOffset(m, pairs, s.ScaleHeight()) > 0;
      if (!doc.DrawMonth(m)) return false;
      if (breakAfter && (!pairs || lower != backwards)) doc.PageBreak();
      return true;
    };
    switch (part) {
      case HalfYear::CoverOnly:
        if (c.CoverStyle > CoverCode::None && !CoverPages(doc)) return false;
        break;
      case HalfYear::First:
        if (!inPrintAll) SetMaximum(kHalfYearDays);
        for (int m = 1; m <= 6; ++m) {
          if (!month(m, m < 6, false)) return false;
        }
        break;
      case HalfYear::Second:
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
  if (!inPrintAll) ShowBar(false);
  host_.LetEventsRun();
  host_.PartFinished(part);
  return true;
}

bool PrintJobs::CoverPages(Document& doc) {
  const bool inPrintAll = printAllActive_;
  if (!inPrintAll) SetMaximum(kCoverOnlySteps);
  if (!doc.DrawCover()) return false;
  if (!inPrintAll) SetValue(kCoverOnlySteps / 2);
  if (BackCoverWanted(doc.inputs.year)) {
    doc.PageBreak();
    if (!doc.DrawBackCover()) return false;
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

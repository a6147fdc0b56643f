// What the pages of a print job are drawn from, fixed while the job runs:
// the year model, the choices of the window (layout, cover, looks, time
// base), the page metrics and colours, and the job's hooks. Renderers read
// these through a const PageInputs; what they change while drawing is in
// PageState.
#pragma once

#include <cmath>
#include <functional>
#include <string>

#include "core/moon_phases.h"
#include "core/year_model.h"
#include "render/colour.h"
#include "render/cover_code.h"
#include "render/cover_fit.h"
#include "render/moon_look.h"
#include "render/page_style.h"
#include "render/surface.h"

namespace orsalimbra::render {

// Integer part (floor) of a length or a font size. The scale factors (2.05,
// 1.98, 0.45, ...) are decimal and have no exact binary form, so a product
// meant to be whole, 2.05 x 760 = 1558 say, may come out a hair below it; the
// tolerance keeps floor from dropping it by one.
inline double IntPart(double value) { return std::floor(value + 1e-7); }

// The look of every printed title.
struct TitleLook {
  Colour TitleColour = kBlack;
  Colour TitleShadowColour = kBlack;
  std::string TitleFont = kBaseFontName;
  bool TitleBold = false;
  bool TitleItalic = false;
  bool TitleShadow = false;
};

// Whether moon phase instants are local standard time or GMT.
struct TimeBase {
  bool UseLocalTime = false;
  int UtcOffsetHours = 0;
};

// The printable page, in twips, and the size of the digit "0".
struct PageMetrics {
  double PageWidth = 0;
  double PageHeight = 0;
  double PageWidth80 = 0;  // integer part of 0.8 x PageWidth
  double DigitWidth = 0;
  double DigitHeight = 0;
  int WeeklyRowBase = 760;  // base width of one weekday column
};

// Measures the page and the 20-point regular "0" on `surface` (which keeps
// that font afterwards).
PageMetrics MeasurePage(Surface& surface);

// The printable width of an A4 sheet with the 10-point margins of Qt's PDF
// writer and of most printer drivers. The fixed horizontal lengths of the
// layouts (the grid's 500-twip margin, its 1558-twip columns, ...) are A4
// lengths: on other paper they scale with the printable width.
inline constexpr double kA4PrintableWidth = 11500;

// The printable width against A4's: exactly 1 on A4.
inline double WidthScale(const PageMetrics& metrics) {
  return metrics.PageWidth > 0 ? metrics.PageWidth / kA4PrintableWidth : 1;
}

struct PageColours {
  Colour MonthHeadColour = kBlack;
  Colour WeekdayColour = kBlue;
  Colour DayColour = kBlack;
  Colour HolidayColour = kRed;
  // The texts of the user's own dates, after the holiday texts of a day.
  Colour PersonalDateColour = kDarkBlue;
};

// Grey of the headings of the months outside a half-year.
inline constexpr Colour kOutsideMonthGrey = Rgb(0x66, 0x66, 0x66);

// Told about the work of a long page draw.
class RenderProgress {
 public:
  virtual ~RenderProgress() = default;
  // One day has been drawn.
  virtual void Step() = 0;
  // A point where pending window events may run.
  virtual void LetEventsRun() = 0;
};

using MoonPhaseSource =
    std::function<core::MoonPhaseTable(int month, int year, bool useLocalTime, int utcOffsetHours)>;
using FileExists = std::function<bool(const std::string& path)>;

// What a job prints with besides the year model; fixed when the job starts,
// so that a choice changed while it runs cannot mix two layouts in one
// document.
struct PrintChoices {
  core::LayoutCode LayoutType = core::LayoutCode::Weekly;
  CoverCode CoverStyle = CoverCode::None;
  CoverFit coverFit = CoverFit::Fill;
  // The weekly month pages: open rows or boxes; with boxes, a column of
  // ISO week numbers on the left.
  PageStyle pageStyle = PageStyle::Classic;
  bool weekNumbers = true;
  bool OrdInv = false;  // the reversed page order is ticked
  TitleLook titleLook;
  MoonLook moonLook;
  TimeBase timeBase;
  PageMetrics metrics;  // measured on the chosen printer
  PageColours colours;
  std::string programFolder;   // the backgrounds of the half-year pages, no trailing separator
  FileExists fileExists;       // empty: a regular-file test
  MoonPhaseSource moonPhases;  // empty: the astronomical computation
};

// The inputs of every page of one job, read-only while drawing.
struct PageInputs {
  PageInputs(const core::YearModel& year, const PrintChoices& choices,
             RenderProgress* progress = nullptr)
      : year(year), choices(choices), progress(progress) {}

  const core::YearModel& year;
  const PrintChoices& choices;
  RenderProgress* progress;

  void Step() const {
    if (progress != nullptr) progress->Step();
  }
  void LetEventsRun() const {
    if (progress != nullptr) progress->LetEventsRun();
  }
  // Whether `path` names a picture file; empty never does.
  bool Exists(const std::string& path) const;
  // The moon phases of a month in the job's time base.
  core::MoonPhaseTable MoonPhasesOf(int month, int year) const;
};

}  // namespace orsalimbra::render

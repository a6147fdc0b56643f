// What the page renderers read and the working state they share.
//
// One PageContext serves one print job (or one preview): the job fills the
// inputs, sets MonthStart before each month it asks for, and the renderers
// leave their working values here for the next renderer to read, as the
// month page leaves the digit size for the next page's note.
#pragma once

#include <array>
#include <chrono>
#include <cmath>
#include <functional>
#include <string>

#include "core/moon_phases.h"
#include "core/year_model.h"
#include "render/colour.h"
#include "render/moon_look.h"
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

struct PageColours {
  Colour MonthHeadColour = kBlack;
  Colour WeekdayColour = kBlue;
  Colour DayColour = kBlack;
  Colour HolidayColour = kRed;
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

struct PageContext {
  // MonthStart, CalendarYear and NoMonthPhotos start from the year model.
  PageContext(Surface& surface, const core::YearModel& year);

  Surface& surface;
  const core::YearModel& year;

  // Inputs, set by the job.
  TitleLook titleLook;
  MoonLook moonLook;
  TimeBase timeBase;
  int LayoutType = core::kLayoutWeekly;
  int NoMonthPhotos = 1;  // 0: one month per page with its picture; 1: two per page
  int CoverStyle = 0;
  double ColumnInset = 120;   // twips; every job sets 120
  PageMetrics metrics;        // DigitWidth/DigitHeight are re-measured while drawing
  PageColours colours;        // MonthHeadColour may be set grey for one block
  std::string ProgramFolder;  // where the backgrounds are, without a trailing separator
  std::string CurrentBackground;
  std::string FirstHalfBackground;
  std::string SecondHalfBackground;
  FileExists fileExists;       // defaults to a regular-file test
  MoonPhaseSource moonPhases;  // defaults to core::MoonPhases
  RenderProgress* progress = nullptr;

  // The month to draw (the first day); each drawn day moves it on by one.
  std::chrono::year_month_day MonthStart;
  int CalendarYear = 0;

  // Working state.
  core::MoonPhaseTable MoonTable;  // phases of the month being drawn
  std::string DateText;            // "dd/mm/yyyy" of the day being drawn
  double FontScale = 1;
  double ColumnScale = 1;
  double ColumnWidth = 760;
  double GridLeft = 0;
  double BlockTop = 0;
  double SavedX = 0;
  double SavedY = 0;
  double SavedFontSize = 0;
  double PictureWidth = 0;
  double PictureHeight = 0;
  double BoxLeft = 0;
  double BoxTop = 0;
  std::string CoverTitle;
  double TitleTop = 0;
  double TitleHeight = 0;
  int TitleFontSize = 0;
  double TitleTextHeight = 0;
  double TitleTextWidth = 0;
  std::array<std::string, 7> DayTexts;
  std::array<std::string, 7> DayTexts2;

  // Helpers for the renderers.
  void Step() const {
    if (progress != nullptr) progress->Step();
  }
  void LetEventsRun() const {
    if (progress != nullptr) progress->LetEventsRun();
  }
  bool Exists(const std::string& path) const;
};

}  // namespace orsalimbra::render

// A year model, a recording surface and a page context for the renderer
// tests: an 11000 x 15000 page, digits measured at 20 points (200 x 480).
#pragma once

#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "core/year_model.h"
#include "render/page_context.h"
#include "support/recording_surface.h"

namespace orsalimbra::render::testing {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;

inline std::chrono::year_month_day Date(int y, unsigned m, unsigned d) {
  return std::chrono::year_month_day{std::chrono::year{y}, std::chrono::month{m},
                                     std::chrono::day{d}};
}

class CountingProgress : public RenderProgress {
 public:
  void Step() override { ++steps; }
  void LetEventsRun() override { ++events; }
  int steps = 0;
  int events = 0;
};

struct PageFixture {
  explicit PageFixture(double width = 11000, double height = 15000) : surface(width, height) {
    year.CalendarYear = 2024;
    year.PageName = {"Copertina", "Gennaio",  "Febbraio", "Marzo",  "Aprile",
                     "Maggio",    "Giugno",   "Luglio",   "Agosto", "Settembre",
                     "Ottobre",   "Novembre", "Dicembre"};
    year.DayNames = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
    year.CurrentTitle = "Almanacco";
    ctx.metrics = MeasurePage(surface);
    ctx.CalendarYear = 2024;
    ctx.fileExists = [this](const std::string& path) { return files.count(path) != 0; };
    ctx.moonPhases = [this](int, int, bool, int) { return phases; };
    ctx.progress = &progress;
  }

  void AddHoliday(const std::string& date, const std::string& name) {
    year.HolidayDates.push_back(date);
    year.HolidayNames.push_back(name);
    year.HolidayCount = static_cast<int>(year.HolidayDates.size());
  }

  // The drawn texts equal to `text`, in order.
  std::vector<Op> TextOps(const std::string& text) const {
    std::vector<Op> out;
    for (const Op& op : surface.opsOf(Kind::Text)) {
      if (op.text == text) out.push_back(op);
    }
    return out;
  }
  // The only drawn text equal to `text` (a failed expectation otherwise).
  Op OnlyText(const std::string& text) const;

  RecordingSurface surface;
  core::YearModel year;
  core::MoonPhaseTable phases;
  std::set<std::string> files;
  CountingProgress progress;
  PageContext ctx{surface, year};
};

}  // namespace orsalimbra::render::testing

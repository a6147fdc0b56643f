// A year model, a recording surface, the inputs and the state of the page
// renderers for their tests: by default a page of A4's printable width
// (11500) and 15000 high, digits measured at 20 points (200 x 480).
#pragma once

#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/year_model.h"
#include "render/moon_mark.h"
#include "render/page_inputs.h"
#include "render/page_state.h"
#include "support/recording_surface.h"

namespace orsalimbra::render::testing {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;

// The words of a text, without the " - " joints between holiday names.
inline std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    if (word != "-") words.push_back(word);
  }
  return words;
}

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
  explicit PageFixture(double width = kA4PrintableWidth, double height = 15000);

  void AddHoliday(const std::string& date, const std::string& name) {
    year.HolidayDates.push_back(date);
    year.HolidayNames.push_back(name);
    year.HolidayCount = static_cast<int>(year.HolidayDates.size());
  }

  // The moon mark of `dateText` at the current position, as the grids draw it.
  void MoonMark() {
    DrawMoonMark(surface, choices.moonLook, st.moonTable, dateText, st.FontScale,
                 choices.LayoutType == core::LayoutCode::Semester);
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
  PrintChoices choices;
  PageInputs in{year, choices, &progress};
  PageState st{in};
  std::string dateText;  // the day MoonMark looks at
};

}  // namespace orsalimbra::render::testing

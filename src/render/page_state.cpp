#include "render/page_state.h"

namespace orsalimbra::render {

PageState::PageState(const PageInputs& in)
    : MonthStart(in.year.MonthStart.value_or(std::chrono::year{in.year.CalendarYear} /
                                             std::chrono::January / 1)),
      CalendarYear(in.year.CalendarYear),
      DigitWidth(in.choices.metrics.DigitWidth),
      DigitHeight(in.choices.metrics.DigitHeight),
      MonthHeadColour(in.choices.colours.MonthHeadColour) {}

}  // namespace orsalimbra::render

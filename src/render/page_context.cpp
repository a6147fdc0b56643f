#include "render/page_context.h"

#include <filesystem>
#include <system_error>

namespace orsalimbra::render {

PageMetrics MeasurePage(Surface& surface) {
  PageMetrics metrics;
  surface.FontBold = false;
  surface.FontSize = 20;
  metrics.DigitWidth = surface.TextWidth("0");
  metrics.DigitHeight = surface.TextHeight("0");
  metrics.PageWidth = surface.ScaleWidth();
  metrics.PageWidth80 = IntPart(0.8 * metrics.PageWidth);
  metrics.PageHeight = surface.ScaleHeight();
  return metrics;
}

PageContext::PageContext(Surface& surface, const core::YearModel& year)
    : surface(surface),
      year(year),
      NoMonthPhotos(year.NoMonthPhotos),
      fileExists([](const std::string& path) {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
      }),
      moonPhases(&core::MoonPhases),
      CalendarYear(year.CalendarYear) {
  using namespace std::chrono;
  MonthStart = year.MonthStart.value_or(
      year_month_day{std::chrono::year{year.CalendarYear}, January, day{1}});
}

bool PageContext::Exists(const std::string& path) const {
  return !path.empty() && fileExists && fileExists(path);
}

}  // namespace orsalimbra::render

#include "render/page_inputs.h"

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

bool PageInputs::Exists(const std::string& path) const {
  if (path.empty()) return false;
  if (choices.fileExists) return choices.fileExists(path);
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

core::MoonPhaseTable PageInputs::MoonPhasesOf(int month, int year) const {
  const TimeBase& t = choices.timeBase;
  if (choices.moonPhases) return choices.moonPhases(month, year, t.UseLocalTime, t.UtcOffsetHours);
  return core::MoonPhases(month, year, t.UseLocalTime, t.UtcOffsetHours);
}

}  // namespace orsalimbra::render

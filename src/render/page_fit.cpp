#include "render/page_fit.h"

#include <cmath>

#include "render/daily_list.h"
#include "render/month_page.h"
#include "render/print_jobs.h"
#include "render/semester_page.h"

namespace orsalimbra::render {

namespace {

// A line of the daily list leaves its holiday texts at least the width of
// two figures: room for a short word at the smallest size.
constexpr double kLeastDailyTextRoom = 2;

// The title and the body under it fit a month page: one month below its
// smallest picture, or two months a page each in its half.
bool MonthPagesFitHeight(const PageInputs& in, double body) {
  const PageMetrics& m = in.choices.metrics;
  const double titleHeight = IntPart(m.PageHeight / 15);
  const double head = 1.4 * titleHeight;
  if (!in.year.NoMonthPhotos) return head + body <= m.PageHeight;
  const double lowerOffset = BlockOffset(2, true, m.PageHeight);
  const double band = 0.06 * m.PageHeight;
  // The upper month ends above the lower month's title box.
  return head + body <= lowerOffset + 0.4 * titleHeight &&
         lowerOffset + band + head + body <= m.PageHeight;
}

double DigitWidthAt(Surface& s, double points) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  s.FontSize = points;
  s.FontBold = true;
  const double width = s.TextWidth("0");
  s.FontSize = size;
  s.FontBold = bold;
  return width;
}

}  // namespace

PageFit CheckPageFit(Surface& s, const PageInputs& in) {
  const PageMetrics& m = in.choices.metrics;
  const double widthScale = WidthScale(m);
  switch (in.choices.LayoutType) {
    case core::LayoutCode::Semester:
      if (WeeklyCellNeed(s, in, 1, widthScale) > widthScale * m.WeeklyRowBase) {
        return PageFit::TooNarrow;
      }
      if (SemesterRowsHeight(s) + kSmallestSemesterTitleHeight > m.PageHeight) {
        return PageFit::TooShort;
      }
      return PageFit::Fits;
    case core::LayoutCode::Weekly: {
      const double columnScale = kMonthPageColumnScale * widthScale;
      if (WeeklyCellNeed(s, in, kWeeklyFontScale, columnScale) > columnScale * m.WeeklyRowBase) {
        return PageFit::TooNarrow;
      }
      if (!MonthPagesFitHeight(in, WeeklyGridHeight(s, kWeeklyFontScale))) {
        return PageFit::TooShort;
      }
      return PageFit::Fits;
    }
    case core::LayoutCode::Daily: {
      const double digitWidth = DigitWidthAt(s, IntPart(12 * kDailyFontScale));
      if (DailyTextRoom(s, m) < kLeastDailyTextRoom * digitWidth) return PageFit::TooNarrow;
      if (!MonthPagesFitHeight(in, DailyListHeight(s))) return PageFit::TooShort;
      return PageFit::Fits;
    }
    default:
      return PageFit::Fits;
  }
}

std::string PrintableSizeText(const PageMetrics& metrics) {
  const auto mm = [](double twips) { return std::to_string(std::lround(twips * 25.4 / 1440)); };
  return mm(metrics.PageWidth) + " x " + mm(metrics.PageHeight) + " mm";
}

}  // namespace orsalimbra::render

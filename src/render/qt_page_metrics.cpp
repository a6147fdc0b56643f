#include "render/qt_page_metrics.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace orsalimbra::render {

namespace {
// No page needs a larger font; beyond it Qt's pixel sizes overflow.
constexpr long kMaxFontTwips = 100'000;
}  // namespace

QFont TwipFont(const std::string& name, double points, bool bold, bool italic) {
  QFont font(QString::fromStdString(name.empty() ? std::string(kBaseFontName) : name));
  long pixels = 1;
  if (points > 0) pixels = std::clamp(std::lround(points * 20), 1L, kMaxFontTwips);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  font.setItalic(italic);
  // Hinting would fit glyphs to a pixel grid of twips, never to the device's.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

PageMetrics MeasurePrinterPage(const QPrinter& printer) {
  PageMetrics metrics;
  // The printable area in points is exact; inches would round it to 0.01 in.
  const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
  metrics.PageWidth = area.width() * 20;
  metrics.PageHeight = area.height() * 20;
  metrics.PageWidth80 = IntPart(0.8 * metrics.PageWidth);
  const QFontMetricsF digit(TwipFont({}, 20, false, false));
  metrics.DigitWidth = digit.horizontalAdvance(QStringLiteral("0"));
  metrics.DigitHeight = digit.height();
  return metrics;
}

}  // namespace orsalimbra::render

#include "render_qt/qt_measure_surface.h"

#include <QPageLayout>
#include <QString>
#include <algorithm>
#include <cmath>

#include "render_qt/qt_picture.h"

namespace orsalimbra::render {

namespace {
// As on the Qt surface: no page needs a larger font.
constexpr int kMaxFontTwips = 100'000;
}  // namespace

QFont TwipFont(const std::string& name, double points, bool bold, bool italic) {
  int pixels = 1;
  if (points > 0) {
    pixels = static_cast<int>(std::clamp(std::lround(points * 20), 1L, long{kMaxFontTwips}));
  }
  QFont font(QString::fromStdString(name.empty() ? std::string(kBaseFontName) : name));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QtMeasureSurface::QtMeasureSurface(QSizeF pageTwips) : page_(pageTwips) {}

QSizeF QtMeasureSurface::PrintableTwips(const QPageLayout& layout) {
  // Points are exact; inches would round the page to 0.01 in.
  return layout.paintRect(QPageLayout::Point).size() * 20;
}

const QFont& TwipFontCache::Font(const Surface& surface) {
  Key key{surface.FontName.empty() ? std::string(kBaseFontName) : surface.FontName,
          surface.FontSize, surface.FontBold, surface.FontItalic};
  if (metrics_ && key == key_) return font_;
  font_ = TwipFont(key.name, key.size, key.bold, key.italic);
  metrics_.emplace(font_);
  key_ = std::move(key);
  return font_;
}

const QFontMetricsF& TwipFontCache::Metrics(const Surface& surface) {
  Font(surface);
  return *metrics_;
}

double QtMeasureSurface::TextWidth(std::string_view text) {
  return fonts_.Metrics(*this).horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtMeasureSurface::TextHeight(std::string_view) { return fonts_.Metrics(*this).height(); }

std::optional<Picture> QtMeasureSurface::LoadPicture(const std::string& path) {
  return LoadPictureFile(path);
}

bool QtMeasureSurface::NewPage() {
  CurrentX = 0;
  CurrentY = 0;
  return true;
}

void QtMeasureSurface::Cls() {
  CurrentX = 0;
  CurrentY = 0;
}

}  // namespace orsalimbra::render

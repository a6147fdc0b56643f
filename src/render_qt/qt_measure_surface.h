// A surface that only measures: text in the fonts the Qt surface uses, on a
// page of a given size, without any device to draw on. It answers what a
// printer page would answer without opening a print job, so the page
// metrics can be taken at start-up without a printer dialog, a spool file
// or an empty PDF.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QSizeF>
#include <optional>
#include <string>

#include "render/surface.h"

class QPageLayout;

namespace orsalimbra::render {

// The font the Qt surface selects for a surface font: sized in pixels of its
// twip space (one point is 20 twips), hinting off, so that metrics in twips
// are the same on every device.
QFont TwipFont(const std::string& name, double points, bool bold, bool italic);

// The TwipFont of a surface's font state and its metrics, made again only
// when that state changed since the last call.
class TwipFontCache {
 public:
  const QFont& Font(const Surface& surface);
  const QFontMetricsF& Metrics(const Surface& surface);

 private:
  struct Key {
    std::string name;
    double size = -1;
    bool bold = false;
    bool italic = false;
    bool operator==(const Key&) const = default;
  };
  Key key_;
  QFont font_;
  std::optional<QFontMetricsF> metrics_;
};

class QtMeasureSurface : public Surface {
 public:
  // A page of `pageTwips` (printable width and height).
  explicit QtMeasureSurface(QSizeF pageTwips);
  // The printable area of a page layout, in twips.
  static QSizeF PrintableTwips(const QPageLayout& layout);

  double TextWidth(std::string_view text) override;
  double TextHeight(std::string_view text) override;
  std::optional<Picture> LoadPicture(const std::string& path) override;
  // Drawing does nothing; a picture counts as painted, so that a page laid
  // out here is laid out as on paper.
  using Surface::PaintPicture;
  bool PaintPicture(const Picture&, double, double, double, double, const PicturePart&) override {
    return true;
  }
  bool NewPage() override;
  bool EndDoc() override { return true; }
  void Cls() override;
  double ScaleWidth() const override { return page_.width(); }
  double ScaleHeight() const override { return page_.height(); }

 protected:
  void DrawText(double, double, std::string_view) override {}
  void DrawLine(double, double, double, double, Colour) override {}
  void DrawCircle(double, double, double, Colour, std::optional<double>,
                  std::optional<double>) override {}

 private:
  QSizeF page_;
  TwipFontCache fonts_;
};

}  // namespace orsalimbra::render

// The drawing surface over a QPainter: on paper (a printer or a PDF writer,
// through the subclasses QtPrinterSurface and QtPdfSurface), on a QImage, or
// on a pixmap shown by a widget.
//
// The painter is scaled so that one unit is one twip, with the origin at the
// printable area's top-left corner. Fonts are sized in pixels of that twip
// space (one point is 20 twips) with hinting off, so text metrics in twips are
// the same on every device and a preview measures text exactly as the
// printer does.
//
// A device that cannot start (a PDF in a folder that cannot be written, a
// null image) leaves the surface failed from the start: every drawing
// operation does nothing and EndDoc returns false.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <optional>
#include <string>

#include "render/surface.h"
#include "render_qt/qt_measure_surface.h"

class QImage;
class QPagedPaintDevice;
class QPixmap;

namespace orsalimbra::render {

class QtSurface : public Surface {
 public:
  // A picture: twips follow the image's own resolution (dots per metre);
  // a line width of one is one pixel of the image.
  explicit QtSurface(QImage* image);
  // A widget's pixmap: 15 twips per logical pixel (96 dpi), the pixmap's
  // device pixel ratio respected; a line width of one is one device pixel.
  explicit QtSurface(QPixmap* pixmap);
  // Ends the painter if EndDoc was not called, as QPainter would.
  ~QtSurface() override;

  QtSurface(const QtSurface&) = delete;
  QtSurface& operator=(const QtSurface&) = delete;

  double TextWidth(std::string_view text) override;
  // QFontMetricsF::height(), ascent plus descent: the height of a line of
  // text without the font's extra leading.
  double TextHeight(std::string_view text) override;

  std::optional<Picture> LoadPicture(const std::string& path) override;
  using Surface::PaintPicture;
  // Decodes only the part shown, at the pixels the rectangle needs.
  bool PaintPicture(const Picture& picture, double x, double y, double width, double height,
                    const PicturePart& part) override;

  // On paper, the next sheet. An image or a pixmap holds one page: it is
  // cleared to white instead.
  bool NewPage() override;
  // Ends the painter; on paper, the device then checks its document.
  bool EndDoc() override;
  // Stops drawing; on paper, the device gives up its document.
  void Abort() override;
  // Clears an image or a pixmap to white. Paper is left alone.
  void Cls() override;

  double ScaleWidth() const override { return scaleWidth_; }
  double ScaleHeight() const override { return scaleHeight_; }

 protected:
  // Paper: the subclass begins the painter with BeginPaper.
  QtSurface() = default;
  // Begins painting on `paper`, whose printable area is `printableTwips`.
  // Line widths count dots of a 600 dpi printer (2.4 twips), so lines look
  // alike on every printer and in PDF. False when the painter cannot begin:
  // the subclass records why.
  bool BeginPaper(QPagedPaintDevice* paper, QSizeF printableTwips);
  // The device's checks of a document the painter ended without failing.
  virtual void CheckDocument() {}
  // The device's part of an abort; by default the painter just ends.
  virtual void AbandonDocument() { EndPainter(); }
  void EndPainter();

  void DrawText(double x, double y, std::string_view text) override;
  void DrawLine(double x1, double y1, double x2, double y2, Colour colour) override;
  void DrawCircle(double cx, double cy, double radius, Colour colour, std::optional<double> start,
                  std::optional<double> end) override;

 private:
  // Scales the painter to twips and sets the render hints; `devicePerTwipX/Y`
  // are the painter's logical units per twip.
  void Prepare(double devicePerTwipX, double devicePerTwipY);
  bool Drawing() const { return painter_.isActive(); }
  QPen Pen(Colour colour) const;
  void ClearToWhite();

  QPagedPaintDevice* paper_ = nullptr;
  QPainter painter_;
  bool ended_ = false;
  bool aborted_ = false;
  // An image's or a pixmap's size in the painter's logical pixels.
  QSizeF logicalSize_;
  double scaleWidth_ = 0;
  double scaleHeight_ = 0;
  // Twips per unit of DrawWidth.
  double twipsPerLinePixel_ = 15;
  // Device pixels per inch that pictures are decoded for.
  double pictureDpiX_ = 96;
  double pictureDpiY_ = 96;
  TwipFontCache fonts_;
};

}  // namespace orsalimbra::render

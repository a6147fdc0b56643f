#include "render_qt/qt_surface.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "render_qt/qt_colour.h"
#include "render_qt/qt_picture.h"

namespace orsalimbra::render {

namespace {

constexpr double kTwipsPerInch = 1440;
// Printer lines are measured in dots of a 600 dpi printer.
constexpr double kPaperLineDpi = 600;
// Pictures on paper: more resolution than this is not seen and swells PDFs.
constexpr double kPaperPictureDpi = 300;
// Widget pixmaps are laid out at the logical 96 dpi whatever the screen.
constexpr double kScreenDpi = 96;
// No picture is decoded to more pixels than this along one side, whatever
// the rectangle asked for.
constexpr double kMaxPictureSidePixels = 50'000;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An angle as the arc uses it: the absolute value, within one turn.
double ArcAngle(double radians) { return std::fmod(std::fabs(radians), 2 * std::numbers::pi); }

double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

double ValidDpi(int dpi) { return dpi > 0 ? dpi : kScreenDpi; }

}  // namespace

bool QtSurface::BeginPaper(QPagedPaintDevice* paper, QSizeF printableTwips) {
  paper_ = paper;
  scaleWidth_ = printableTwips.width();
  scaleHeight_ = printableTwips.height();
  twipsPerLinePixel_ = kTwipsPerInch / kPaperLineDpi;
  if (!painter_.begin(paper)) return false;
  // Without full-page mode the painter's origin is already the printable
  // area's top-left corner; in full-page mode that area is the whole sheet.
  const double dpiX = ValidDpi(paper->logicalDpiX());
  const double dpiY = ValidDpi(paper->logicalDpiY());
  pictureDpiX_ = std::min(dpiX, kPaperPictureDpi);
  pictureDpiY_ = std::min(dpiY, kPaperPictureDpi);
  Prepare(dpiX / kTwipsPerInch, dpiY / kTwipsPerInch);
  return true;
}

QtSurface::QtSurface(QImage* image) {
  // The painter works in the image's logical pixels (device pixels divided
  // by the device pixel ratio).
  const double dpiX = ValidDpi(image->logicalDpiX());
  const double dpiY = ValidDpi(image->logicalDpiY());
  const double ratio = image->devicePixelRatio();
  logicalSize_ = image->deviceIndependentSize();
  scaleWidth_ = logicalSize_.width() * kTwipsPerInch / dpiX;
  scaleHeight_ = logicalSize_.height() * kTwipsPerInch / dpiY;
  twipsPerLinePixel_ = kTwipsPerInch / (dpiX * ratio);
  pictureDpiX_ = dpiX * ratio;
  pictureDpiY_ = dpiY * ratio;
  if (image->isNull() || !painter_.begin(image)) {
    Fail({DeviceFailure::Kind::PictureNotDrawable});
    return;
  }
  Prepare(dpiX / kTwipsPerInch, dpiY / kTwipsPerInch);
}

QtSurface::QtSurface(QPixmap* pixmap) {
  const double ratio = pixmap->devicePixelRatio();
  logicalSize_ = pixmap->deviceIndependentSize();
  scaleWidth_ = logicalSize_.width() * kTwipsPerInch / kScreenDpi;
  scaleHeight_ = logicalSize_.height() * kTwipsPerInch / kScreenDpi;
  twipsPerLinePixel_ = kTwipsPerInch / (kScreenDpi * ratio);
  pictureDpiX_ = pictureDpiY_ = kScreenDpi * ratio;
  if (pixmap->isNull() || !painter_.begin(pixmap)) {
    Fail({DeviceFailure::Kind::PreviewNotDrawable});
    return;
  }
  Prepare(kScreenDpi / kTwipsPerInch, kScreenDpi / kTwipsPerInch);
}

QtSurface::~QtSurface() {
  if (painter_.isActive()) painter_.end();
}

void QtSurface::Prepare(double devicePerTwipX, double devicePerTwipY) {
  painter_.scale(devicePerTwipX, devicePerTwipY);
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
}

double QtSurface::TextWidth(std::string_view text) {
  return fonts_.Metrics(*this).horizontalAdvance(ToQString(text));
}

double QtSurface::TextHeight(std::string_view) { return fonts_.Metrics(*this).height(); }

QPen QtSurface::Pen(Colour colour) const {
  QPen pen(ToQColor(colour), std::max(DrawWidth, 1) * twipsPerLinePixel_);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void QtSurface::DrawText(double x, double y, std::string_view text) {
  if (!Drawing() || text.empty()) return;
  painter_.setFont(fonts_.Font(*this));
  painter_.setPen(ToQColor(ForeColor));
  // drawText places the baseline; the caller gives the top of the line.
  painter_.drawText(QPointF(x, y + fonts_.Metrics(*this).ascent()), ToQString(text));
}

void QtSurface::DrawLine(double x1, double y1, double x2, double y2, Colour colour) {
  if (!Drawing()) return;
  painter_.setPen(Pen(colour));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtSurface::DrawCircle(double cx, double cy, double radius, Colour colour,
                           std::optional<double> start, std::optional<double> end) {
  if (!Drawing() || !(radius > 0)) return;
  const QPointF centre(cx, cy);
  const QRectF box(cx - radius, cy - radius, 2 * radius, 2 * radius);
  QPainterPath path;
  bool filled = true;
  if (!start || !end) {
    path.addEllipse(centre, radius, radius);
  } else {
    const bool startRadius = *start < 0;
    const bool endRadius = *end < 0;
    const double from = ArcAngle(*start);
    double span = ArcAngle(*end) - from;
    // Counter-clockwise from start to end, through three o'clock when the end
    // angle is the smaller; equal ends make a whole turn.
    if (span <= 0) span += 2 * std::numbers::pi;
    // Qt's positive angles turn counter-clockwise as seen on the device, the
    // painter's Y axis pointing down like the page's: no sign change.
    if (startRadius) {
      path.moveTo(centre);  // arcTo joins the centre to the arc's start
    } else {
      path.arcMoveTo(box, Degrees(from));
    }
    path.arcTo(box, Degrees(from), Degrees(span));
    if (endRadius) path.lineTo(centre);
    if (startRadius && endRadius) path.closeSubpath();
    filled = startRadius && endRadius;
  }
  painter_.setPen(Pen(colour));
  if (filled && FillStyle == kFillSolid) {
    painter_.setBrush(ToQColor(FillColor));
  } else {
    painter_.setBrush(Qt::NoBrush);
  }
  painter_.drawPath(path);
}

std::optional<Picture> QtSurface::LoadPicture(const std::string& path) {
  return LoadPictureFile(path);
}

bool QtSurface::PaintPicture(const Picture& picture, double x, double y, double width,
                             double height, const PicturePart& part) {
  if (!Drawing() || !(width > 0) || !(height > 0)) return false;
  const auto pixels = [](double twips, double dpi) {
    return static_cast<int>(
        std::min(std::ceil(twips * dpi / kTwipsPerInch), kMaxPictureSidePixels));
  };
  const QImage image =
      DecodePicture(QString::fromStdString(picture.path),
                    QSize(pixels(width, pictureDpiX_), pixels(height, pictureDpiY_)), part);
  if (image.isNull()) return false;
  painter_.drawImage(QRectF(x, y, width, height), image);
  return true;
}

bool QtSurface::NewPage() {
  if (!Drawing()) {
    Fail({ended_ ? DeviceFailure::Kind::PageAfterEnd : DeviceFailure::Kind::NotOpen});
    return false;
  }
  if (paper_ != nullptr) {
    if (!paper_->newPage()) {
      Fail({DeviceFailure::Kind::PageRefused});
      return false;
    }
  } else {
    ClearToWhite();
  }
  CurrentX = 0;
  CurrentY = 0;
  return true;
}

bool QtSurface::EndDoc() {
  if (Drawing()) {
    if (!painter_.end()) Fail({DeviceFailure::Kind::DocumentIncomplete});
  } else if (aborted_) {
    Fail({DeviceFailure::Kind::DocumentAbandoned});
  }
  ended_ = true;
  if (paper_ != nullptr && !Failed()) CheckDocument();
  return !Failed();
}

void QtSurface::Abort() {
  if (!Drawing()) return;
  aborted_ = true;
  AbandonDocument();
}

void QtSurface::EndPainter() {
  if (painter_.isActive()) painter_.end();
}

void QtSurface::Cls() {
  if (paper_ == nullptr && Drawing()) ClearToWhite();
  CurrentX = 0;
  CurrentY = 0;
}

void QtSurface::ClearToWhite() {
  painter_.save();
  painter_.resetTransform();
  painter_.fillRect(QRectF(QPointF(0, 0), logicalSize_), Qt::white);
  painter_.restore();
}

}  // namespace orsalimbra::render

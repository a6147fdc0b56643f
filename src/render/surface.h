// The drawing surface every page, preview and sample is drawn on.
//
// Lengths are twips (1/1440 inch) from the top-left corner of the printable
// area (or of the preview box), Y downwards; font sizes are points; line
// widths are device pixels; angles are radians, counter-clockwise from three
// o'clock as seen on the page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "render/colour.h"

namespace orsalimbra::render {

inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;

// The base font: what an empty font name selects.
inline constexpr const char* kBaseFontName = "Arial";

// What went wrong on a device: which step failed, the file or printer it
// concerns, and the system's own words when it gave any. Kept apart from any
// sentence, so that each reader words it in its own language.
struct DeviceFailure {
  enum class Kind {
    None,                // nothing failed
    CannotWriteFile,     // the output file (subject) cannot be created
    CannotStartPrinter,  // the printer (subject) refused to start the document
    PictureNotDrawable,  // an image that cannot be painted on
    PreviewNotDrawable,  // an empty preview pixmap
    PageAfterEnd,        // a page was asked for after the document ended
    NotOpen,             // the device was never opened for drawing
    PageRefused,         // the printer refused a new page
    DocumentIncomplete,  // the document could not be finished
    DocumentAbandoned,   // the document was given up after a failure
    PrinterError,        // the printer reported an error at the end
    FileNotWritten,      // the output file (subject) is missing or empty at the end
    OutputNotAFile,      // the output name (subject) is a folder, device, FIFO or socket
    FileWriteFailed,     // writing the output file (subject) failed, a full disk say
    NoPrinter,           // there was no device at all
    Stopped,             // the job stopped without the device saying why
    PageTooSmall,        // the pages do not fit the printable area (subject, "190 x 277 mm")
  };

  DeviceFailure() = default;
  // Implicit, so that a failure reads as {kind, subject, detail}.
  DeviceFailure(Kind kind, std::string subject = {}, std::string detail = {})
      : kind(kind), subject(std::move(subject)), detail(std::move(detail)) {}

  Kind kind = Kind::None;
  std::string subject;  // the file or printer named, when the kind names one
  std::string detail;   // the system's words; optional

  // The English sentence, for the command line and logs; empty for None.
  // A detail follows the sentence after a colon.
  std::string Text() const;
};

// A picture file with its natural size. The pixels are decoded only when it
// is painted, at the resolution the target rectangle needs.
struct Picture {
  std::string path;
  double width = 0;   // twips
  double height = 0;  // twips
};

// A part of a picture, in fractions of its width and height as shown (EXIF
// orientation applied), from its top-left corner.
struct PicturePart {
  double left = 0;
  double top = 0;
  double width = 1;
  double height = 1;

  bool Whole() const { return left == 0 && top == 0 && width == 1 && height == 1; }
  bool operator==(const PicturePart&) const = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Drawing state, read by the operations below at the time they run.
  double CurrentX = 0;
  double CurrentY = 0;
  std::string FontName;  // empty: kBaseFontName
  double FontSize = 8;   // points
  bool FontBold = false;
  bool FontItalic = false;
  Colour ForeColor = kBlack;
  int DrawWidth = 1;  // device pixels
  int FillStyle = kFillTransparent;
  Colour FillColor = kBlack;

  // Draws `text` with its top-left corner at the current position. With
  // `stay` CurrentX grows by the text width; otherwise CurrentX returns to 0
  // and CurrentY grows by one line height of the current font.
  void Print(std::string_view text, bool stay = false);
  // Only advances the line.
  void Print();

  virtual double TextWidth(std::string_view text) = 0;
  // Line height of the current font.
  virtual double TextHeight(std::string_view text) = 0;

  // A line in `colour` and DrawWidth; the end point becomes the current position.
  void Line(double x1, double y1, double x2, double y2, Colour colour);

  // A full circle, filled with FillColor when FillStyle is solid; the centre
  // becomes the current position.
  void Circle(double cx, double cy, double radius, Colour colour);
  // An arc from `start` to `end` counter-clockwise. A negative angle is used
  // by its absolute value and joins that end to the centre with a radius
  // line; with both ends negative the pie is filled like a full circle.
  void Circle(double cx, double cy, double radius, Colour colour, double start, double end);

  // The picture's natural size; empty when the file is missing or is no
  // picture this program can read.
  virtual std::optional<Picture> LoadPicture(const std::string& path) = 0;
  // The picture scaled into the rectangle. A picture whose pixels cannot be
  // decoded (a file cut short, say) paints nothing and gives false.
  bool PaintPicture(const Picture& picture, double x, double y, double width, double height) {
    return PaintPicture(picture, x, y, width, height, PicturePart{});
  }
  // Only `part` of the picture, scaled into the rectangle.
  virtual bool PaintPicture(const Picture& picture, double x, double y, double width, double height,
                            const PicturePart& part) = 0;

  // Ends the page; drawing continues at (0, 0) of a fresh page. False when
  // the device refused the page.
  virtual bool NewPage() = 0;
  // Ends the document and hands it to the device. False when it failed.
  virtual bool EndDoc() = 0;
  // Abandons the document (after a failure).
  virtual void Abort() {}
  // Clears a preview box.
  virtual void Cls() = 0;

  // Printable width and height.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;

  // A failure of the device (a page refused, a file that cannot be written).
  bool Failed() const { return failure_.kind != DeviceFailure::Kind::None; }
  const DeviceFailure& failure() const { return failure_; }
  std::string FailureText() const { return failure_.Text(); }

 protected:
  virtual void DrawText(double x, double y, std::string_view text) = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2, Colour colour) = 0;
  // `start`/`end` empty: a full circle. Otherwise as given to Circle.
  virtual void DrawCircle(double cx, double cy, double radius, Colour colour,
                          std::optional<double> start, std::optional<double> end) = 0;
  // Records the first failure; later ones add nothing.
  void Fail(DeviceFailure failure) {
    if (!Failed()) failure_ = std::move(failure);
  }

 private:
  DeviceFailure failure_;
};

}  // namespace orsalimbra::render

#include "render/surface.h"

namespace orsalimbra::render {

namespace {
std::string Quoted(const std::string& name) { return "\"" + name + "\""; }
}  // namespace

std::string DeviceFailure::Text() const {
  std::string text;
  switch (kind) {
    case Kind::None:
      return {};
    case Kind::CannotWriteFile:
      text = "Cannot write the file " + Quoted(subject);
      break;
    case Kind::CannotStartPrinter:
      text = "The printer " + Quoted(subject) + " cannot start printing";
      break;
    case Kind::PictureNotDrawable:
      text = "Cannot draw on the picture (empty, or a format without direct drawing)";
      break;
    case Kind::PreviewNotDrawable:
      text = "Cannot draw on the preview (an empty pixmap)";
      break;
    case Kind::PageAfterEnd:
      text = "A page was started after the end of the document";
      break;
    case Kind::NotOpen:
      text = "The device is not open for drawing";
      break;
    case Kind::PageRefused:
      text = "The printer refused a new page";
      break;
    case Kind::DocumentIncomplete:
      text = "The document could not be completed";
      break;
    case Kind::DocumentAbandoned:
      text = "The document was abandoned";
      break;
    case Kind::PrinterError:
      text = "The printer reported an error";
      break;
    case Kind::FileNotWritten:
      text = "The file " + Quoted(subject) + " was not written";
      break;
    case Kind::OutputNotAFile:
      text = Quoted(subject) + " is not a regular file and was left as it is";
      break;
    case Kind::FileWriteFailed:
      text = "The file " + Quoted(subject) + " could not be written in full and was left as it was";
      break;
    case Kind::NoPrinter:
      text = "No printer is available";
      break;
    case Kind::Stopped:
      text = "The printer stopped the document";
      break;
    case Kind::PageTooSmall:
      text = "The pages of this layout do not fit the printable area of the paper (" + subject +
             "): nothing was printed; choose a larger paper";
      break;
  }
  if (!detail.empty()) text += ": " + detail;
  return text;
}

void Surface::Print(std::string_view text, bool stay) {
  DrawText(CurrentX, CurrentY, text);
  if (stay) {
    CurrentX += TextWidth(text);
  } else {
    CurrentX = 0;
    CurrentY += TextHeight(text);
  }
}

void Surface::Print() {
  CurrentX = 0;
  CurrentY += TextHeight("");
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour colour) {
  DrawLine(x1, y1, x2, y2, colour);
  CurrentX = x2;
  CurrentY = y2;
}

void Surface::Circle(double cx, double cy, double radius, Colour colour) {
  DrawCircle(cx, cy, radius, colour, std::nullopt, std::nullopt);
  CurrentX = cx;
  CurrentY = cy;
}

void Surface::Circle(double cx, double cy, double radius, Colour colour, double start, double end) {
  DrawCircle(cx, cy, radius, colour, start, end);
  CurrentX = cx;
  CurrentY = cy;
}

}  // namespace orsalimbra::render

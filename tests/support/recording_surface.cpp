#include "support/recording_surface.h"

namespace orsalimbra::render {

namespace {
// Counts characters, not bytes, of UTF-8 text.
double CharacterCount(std::string_view text) {
  double n = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) n += 1;
  }
  return n;
}
}  // namespace

double RecordingSurface::TextWidth(std::string_view text) {
  double extra = 0;
  for (char c : text) {
    if (const auto wide = widths_.find(c); wide != widths_.end()) extra += wide->second - 1;
  }
  return (CharacterCount(text) + extra) * FontSize * 10;
}

double RecordingSurface::TextHeight(std::string_view) { return FontSize * 24; }

std::optional<Picture> RecordingSurface::LoadPicture(const std::string& path) {
  auto it = pictures_.find(path);
  if (it == pictures_.end()) return std::nullopt;
  return it->second;
}

bool RecordingSurface::PaintPicture(const Picture& picture, double x, double y, double width,
                                    double height, const PicturePart& part) {
  if (undecodable_.count(picture.path) != 0) return false;
  Op op = stateOp(Kind::Picture);
  op.text = picture.path;
  op.x = x;
  op.y = y;
  op.x2 = width;
  op.y2 = height;
  op.part = part;
  ops_.push_back(op);
  return true;
}

bool RecordingSurface::NewPage() {
  if (failPage_ && *failPage_ == page_) {
    Fail({DeviceFailure::Kind::PageRefused, {}, "page " + std::to_string(page_ + 2)});
    return false;
  }
  ops_.push_back(stateOp(Kind::NewPage));
  ++page_;
  CurrentX = 0;
  CurrentY = 0;
  return true;
}

bool RecordingSurface::EndDoc() {
  ops_.push_back(stateOp(Kind::EndDoc));
  return !Failed();
}

void RecordingSurface::Cls() {
  ops_.push_back(stateOp(Kind::Cls));
  CurrentX = 0;
  CurrentY = 0;
}

void RecordingSurface::AddPicture(const std::string& path, double width, double height) {
  pictures_[path] = Picture{path, width, height};
}

void RecordingSurface::AddUndecodablePicture(const std::string& path, double width, double height) {
  AddPicture(path, width, height);
  undecodable_.insert(path);
}

std::vector<RecordingSurface::Op> RecordingSurface::opsOf(Kind kind) const {
  std::vector<Op> out;
  for (const Op& op : ops_) {
    if (op.kind == kind) out.push_back(op);
  }
  return out;
}

std::vector<std::string> RecordingSurface::texts() const {
  std::vector<std::string> out;
  for (const Op& op : ops_) {
    if (op.kind == Kind::Text) out.push_back(op.text);
  }
  return out;
}

void RecordingSurface::DrawText(double x, double y, std::string_view text) {
  Op op = stateOp(Kind::Text);
  op.text = std::string(text);
  op.x = x;
  op.y = y;
  op.colour = ForeColor;
  ops_.push_back(op);
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2, Colour colour) {
  Op op = stateOp(Kind::Line);
  op.x = x1;
  op.y = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.colour = colour;
  ops_.push_back(op);
}

void RecordingSurface::DrawCircle(double cx, double cy, double radius, Colour colour,
                                  std::optional<double> start, std::optional<double> end) {
  Op op = stateOp(Kind::Circle);
  op.x = cx;
  op.y = cy;
  op.radius = radius;
  op.start = start;
  op.end = end;
  op.colour = colour;
  ops_.push_back(op);
}

RecordingSurface::Op RecordingSurface::stateOp(Kind kind) const {
  Op op;
  op.kind = kind;
  op.page = page_;
  op.fontName = FontName;
  op.fontSize = FontSize;
  op.bold = FontBold;
  op.italic = FontItalic;
  op.colour = ForeColor;
  op.drawWidth = DrawWidth;
  op.fillStyle = FillStyle;
  op.fillColor = FillColor;
  return op;
}

}  // namespace orsalimbra::render

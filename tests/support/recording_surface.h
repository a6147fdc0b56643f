// A drawing surface that records every operation with its coordinates and the
// drawing state, with simple deterministic font metrics. Used by the tests.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "render/surface.h"

namespace orsalimbra::render {

class RecordingSurface : public Surface {
 public:
  enum class Kind { Text, Line, Circle, Picture, NewPage, EndDoc, Cls };

  struct Op {
    Kind kind = Kind::Text;
    int page = 0;           // pages counted from 0
    std::string text;       // Text: the text; Picture: the path
    double x = 0, y = 0;    // Text/Picture: top-left; Line: start; Circle: centre
    double x2 = 0, y2 = 0;  // Line: end; Picture: width and height
    PicturePart part;       // Picture: the part painted
    double radius = 0;
    std::optional<double> start, end;  // Circle: as given
    std::string fontName;
    double fontSize = 0;
    bool bold = false, italic = false;
    Colour colour = 0;  // Text: ForeColor; Line/Circle: the colour argument
    int drawWidth = 0;
    int fillStyle = 0;
    Colour fillColor = 0;
  };

  RecordingSurface(double scaleWidth = 11000, double scaleHeight = 15000)
      : scaleWidth_(scaleWidth), scaleHeight_(scaleHeight) {}

  // Metrics: every character is FontSize x 10 twips wide, a line is
  // FontSize x 24 twips high.
  double TextWidth(std::string_view text) override;
  double TextHeight(std::string_view text) override;

  std::optional<Picture> LoadPicture(const std::string& path) override;
  using Surface::PaintPicture;
  bool PaintPicture(const Picture& picture, double x, double y, double width, double height,
                    const PicturePart& part) override;
  bool NewPage() override;
  bool EndDoc() override;
  void Cls() override;
  double ScaleWidth() const override { return scaleWidth_; }
  double ScaleHeight() const override { return scaleHeight_; }

  // Pictures the surface can load, by path, with their natural size in twips.
  void AddPicture(const std::string& path, double width, double height);
  // A picture whose header reads but whose pixels cannot be decoded.
  void AddUndecodablePicture(const std::string& path, double width, double height);
  // The page with this number (from 0) is refused by NewPage.
  void FailNewPageAfter(int page) { failPage_ = page; }
  // The ASCII character `c` is `times` as wide as the others.
  void WidenCharacter(char c, double times) { widths_[c] = times; }

  const std::vector<Op>& ops() const { return ops_; }
  // Only the operations of one kind, in order.
  std::vector<Op> opsOf(Kind kind) const;
  // The texts drawn, in order.
  std::vector<std::string> texts() const;
  int page() const { return page_; }
  void clear() { ops_.clear(); }

 protected:
  void DrawText(double x, double y, std::string_view text) override;
  void DrawLine(double x1, double y1, double x2, double y2, Colour colour) override;
  void DrawCircle(double cx, double cy, double radius, Colour colour, std::optional<double> start,
                  std::optional<double> end) override;

 private:
  Op stateOp(Kind kind) const;

  double scaleWidth_;
  double scaleHeight_;
  std::map<std::string, Picture> pictures_;
  std::set<std::string> undecodable_;
  std::map<char, double> widths_;
  std::vector<Op> ops_;
  int page_ = 0;
  std::optional<int> failPage_;
};

}  // namespace orsalimbra::render

#include "render/cover_page.h"

#include <algorithm>
#include <vector>

#include "render/credits.h"
#include "render/page_title.h"
#include "render/text_fit.h"

namespace orsalimbra::render {

void PrintCover(Surface& s, const PageInputs& in, PageState& st) {
  const PageMetrics& m = in.choices.metrics;
  if (in.year.HasCoverPhoto) {
    // Filling the page, whole on white or stretched, as the cover miniature
    // shows it. A file that cannot be read leaves the page without a picture.
    if (const std::optional<Picture> picture = s.LoadPicture(in.year.PhotoPaths[0])) {
      const PicturePlacement place = PlaceCoverPicture(picture->width, picture->height, m.PageWidth,
                                                       m.PageHeight, in.choices.coverFit);
      st.PictureWidth = place.width;
      st.PictureHeight = place.height;
      st.BoxLeft = place.x;
      st.BoxTop = place.y;
      s.PaintPicture(*picture, place.x, place.y, place.width, place.height, place.part);
    }
  }
  if (in.choices.CoverStyle >= CoverCode::PictureOnly) return;

  st.TitleHeight = IntPart(m.PageHeight / 8);
  switch (in.choices.CoverStyle) {
    case CoverCode::TitleTop:
      st.TitleTop = st.TitleHeight - 1000;
      break;
    case CoverCode::TitleMiddle:
      st.TitleTop = IntPart(m.PageHeight / 2) - 1000;
      break;
    case CoverCode::TitleBottom:
      st.TitleTop = m.PageHeight - st.TitleHeight - 1000;
      break;
    default:
      break;  // no cover style: the box stays where it was
  }
  st.CoverTitle = ComposeCalendarTitle(in.year.CurrentTitle, std::to_string(st.CalendarYear));
  DrawPageTitle(s, in.choices.titleLook, m, st);
}

std::pair<std::string, std::string> SplitBackCoverNote(const std::string& note) {
  const std::size_t split = note.find('\\');
  if (split == std::string::npos) return {note, {}};
  return {note.substr(0, split), note.substr(split + 1)};
}

namespace {

// The back cover's lines: 12 points (the credit line 9), shrinking to 6 and
// then wrapping onto a second and a third line within the printable width.
constexpr double kNoteSize = 12;
constexpr double kCreditSize = 9;
constexpr double kLineFloor = 6;
constexpr int kLineLines = 3;

// One centred line of the back cover in the surface's bold and italic.
struct BackCoverLine {
  FittedText text;
  bool bold = false;
  double height = 0;  // a line without text still takes a line of its size
};

BackCoverLine FitLine(Surface& s, const std::string& text, double size, bool bold) {
  s.FontSize = size;
  s.FontBold = bold;
  FitRule rule;
  rule.width = s.ScaleWidth();
  rule.startSize = size;
  rule.floorSize = std::min(size, kLineFloor);
  rule.maxLines = kLineLines;
  BackCoverLine line{FitText(s, {{text, kBlack}}, rule), bold, 0};
  line.height = line.text.lines.empty() ? s.TextHeight("") : line.text.Height();
  return line;
}

}  // namespace

void PrintBackCover(Surface& s, const PageInputs& in) {
  // Upright whatever the cover's title left: the note's second line and the
  // credit line are regular text.
  s.FontItalic = false;
  s.ForeColor = kBlack;
  std::vector<BackCoverLine> lines;
  const std::string& note = in.year.PhotoNotes[0];
  if (!note.empty()) {
    const auto [first, second] = SplitBackCoverNote(note);
    lines.push_back(FitLine(s, first, kNoteSize, true));
    if (!second.empty()) lines.push_back(FitLine(s, second, kNoteSize, false));
  } else {
    lines.push_back(FitLine(s, "", kNoteSize, true));  // an empty line
  }
  lines.push_back(FitLine(s, "", kCreditSize, false));
  lines.push_back(FitLine(s, kCreditLine, kCreditSize, false));

  // From 0.9 of the page down, or higher when the lines would not end on it.
  double height = 0;
  for (const BackCoverLine& line : lines) height += line.height;
  double y = std::max(0.0, std::min(0.9 * s.ScaleHeight(), s.ScaleHeight() - height));
  for (const BackCoverLine& line : lines) {
    s.FontBold = line.bold;
    s.FontSize = line.text.size;
    DrawFittedText(s, line.text, y,
                   [&](const TextLine& l) { return (s.ScaleWidth() - l.width) / 2; });
    y += line.height;
  }
  s.CurrentX = 0;
  s.CurrentY = y;
}

}  // namespace orsalimbra::render

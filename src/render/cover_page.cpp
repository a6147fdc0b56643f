#include "render/cover_page.h"

#include "render/credits.h"
#include "render/page_title.h"

namespace orsalimbra::render {

void PrintCover(Surface& s, const PageInputs& in, PageState& st) {
  const PageMetrics& m = in.choices.metrics;
  if (in.year.HasCoverPhoto) {
    // Stretched whatever its proportions, as the cover miniature shows it. A
    // file that cannot be read leaves the page without a picture.
    if (const std::optional<Picture> picture = s.LoadPicture(in.year.PhotoPaths[0])) {
      st.PictureWidth = m.PageWidth;
      st.PictureHeight = m.PageHeight;
      st.BoxLeft = 0;
      st.BoxTop = 0;
      s.PaintPicture(*picture, 0, 0, m.PageWidth, m.PageHeight);
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

void PrintBackCover(Surface& s, const PageInputs& in) {
  s.FontSize = 12;
  s.FontBold = true;
  // Upright whatever the cover's title left: the note's second line and the
  // credit line are regular text.
  s.FontItalic = false;
  s.ForeColor = kBlack;
  s.CurrentY = 0.9 * s.ScaleHeight();
  const std::string& note = in.year.PhotoNotes[0];
  if (!note.empty()) {
    const auto [first, second] = SplitBackCoverNote(note);
    s.CurrentX = (s.ScaleWidth() - s.TextWidth(first)) / 2;
    s.Print(first);
    if (!second.empty()) {
      s.FontBold = false;
      s.CurrentX = (s.ScaleWidth() - s.TextWidth(second)) / 2;
      s.Print(second);
    }
  } else {
    s.Print();
  }
  s.FontSize = 9;
  s.FontBold = false;
  s.Print();
  s.CurrentX = (s.ScaleWidth() - s.TextWidth(kCreditLine)) / 2;
  s.Print(kCreditLine);
}

}  // namespace orsalimbra::render

#include "render/text_fit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "render/page_inputs.h"

namespace orsalimbra::render {

namespace {

// Widths are sums of measured doubles; a line as wide as its box fits.
constexpr double kTolerance = 1e-6;

struct Word {
  std::size_t begin = 0;
  std::size_t end = 0;
};

struct Item {
  const TextItem* source = nullptr;
  std::vector<Word> words;
};

// Words first..last of one item, on one line.
struct Segment {
  std::size_t item = 0;
  std::size_t first = 0;
  std::size_t last = 0;
};

using Line = std::vector<Segment>;

std::vector<Word> SplitWords(const std::string& text) {
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) break;
    const std::size_t begin = i;
    while (i < text.size() && text[i] != ' ') ++i;
    words.push_back({begin, i});
  }
  return words;
}

class Fitter {
 public:
  Fitter(Surface& s, const std::vector<TextItem>& items, const FitRule& rule) : s_(s), rule_(rule) {
    for (const TextItem& item : items) {
      Item prepared{&item, SplitWords(item.text)};
      if (prepared.words.empty()) continue;
      if (!items_.empty() && item.newLine) ++groups_;
      items_.push_back(std::move(prepared));
    }
  }

  bool empty() const { return items_.empty(); }
  int groups() const { return groups_; }

  // The layout at `size` on at most `maxLines` lines inside the box, if any.
  std::optional<FittedText> At(double size, int maxLines) {
    for (const bool wholeItems : {true, false}) {
      // With no more lines than groups, breaking between words gains nothing.
      if (!wholeItems && maxLines <= groups_) break;
      if (const auto lines = Pack(size, maxLines, wholeItems, false)) {
        FittedText text = Build(*lines, size);
        if (rule_.height <= 0 || text.Height() <= rule_.height + kTolerance) return text;
      }
    }
    return std::nullopt;
  }

  // Whatever the box: the words as far as they go, overlong ones alone.
  FittedText Overflowing(double size) {
    FittedText text = Build(*Pack(size, 0, false, true), size);
    text.fits = false;
    return text;
  }

 private:
  double PieceSize(const Item& item, double size) const {
    return std::max(kSmallestTextSize, IntPart(item.source->scale * size));
  }

  std::string SegmentText(const Segment& seg) const {
    const Item& item = items_[seg.item];
    const std::string& text = item.source->text;
    // An item's own leading and trailing blanks stay with it; blanks where
    // a line breaks inside it go.
    const std::size_t begin = seg.first == 0 ? 0 : item.words[seg.first].begin;
    const std::size_t end =
        seg.last + 1 == item.words.size() ? text.size() : item.words[seg.last].end;
    return text.substr(begin, end - begin);
  }

  // A segment after another on its line begins its item after the joint.
  std::string PieceText(const Line& line, std::size_t k) const {
    const std::string text = SegmentText(line[k]);
    return k > 0 ? rule_.joint + text : text;
  }

  double Measure(const std::string& text, double size) {
    s_.FontSize = size;
    return s_.TextWidth(text);
  }

  double LineHeightAt(double size) {
    const auto found = heights_.find(size);
    if (found != heights_.end()) return found->second;
    s_.FontSize = size;
    const double height = s_.TextHeight("H");
    heights_.emplace(size, height);
    return height;
  }

  double Width(const Line& line, double size) {
    double width = 0;
    for (std::size_t k = 0; k < line.size(); ++k) {
      width += Measure(PieceText(line, k), PieceSize(items_[line[k].item], size));
    }
    return width;
  }

  bool Fits(const Line& line, double size) { return Width(line, size) <= rule_.width + kTolerance; }

  static Line Extended(const Line& line, std::size_t item, std::size_t word) {
    Line out = line;
    if (!out.empty() && out.back().item == item) {
      out.back().last = word;
    } else {
      out.push_back({item, word, word});
    }
    return out;
  }

  // Greedy lines: whole items only, or word by word. `overflow` keeps a
  // word wider than the box on a line of its own and ignores maxLines.
  std::optional<std::vector<Line>> Pack(double size, int maxLines, bool wholeItems, bool overflow) {
    std::vector<Line> lines;
    Line current;
    const auto tooMany = [&] { return !overflow && static_cast<int>(lines.size()) >= maxLines; };
    const auto place = [&](const Line& candidate, const Line& fresh) {
      if (Fits(candidate, size)) {
        current = candidate;
        return true;
      }
      if (current.empty()) {
        current = candidate;
        return overflow;
      }
      if (tooMany()) return false;
      lines.push_back(std::move(current));
      current = fresh;
      return overflow || Fits(current, size);
    };
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const Item& item = items_[i];
      if (item.source->newLine && !current.empty()) {
        if (tooMany()) return std::nullopt;
        lines.push_back(std::move(current));
        current.clear();
      }
      if (wholeItems) {
        const Segment whole{i, 0, item.words.size() - 1};
        Line candidate = current;
        candidate.push_back(whole);
        if (!place(candidate, Line{whole})) return std::nullopt;
      } else {
        for (std::size_t w = 0; w < item.words.size(); ++w) {
          if (!place(Extended(current, i, w), Line{Segment{i, w, w}})) return std::nullopt;
        }
      }
    }
    if (!current.empty()) {
      if (tooMany()) return std::nullopt;
      lines.push_back(std::move(current));
    }
    return lines;
  }

  FittedText Build(const std::vector<Line>& lines, double size) {
    FittedText text;
    text.size = size;
    for (const Line& line : lines) {
      TextLine out;
      double largest = 0;
      for (const Segment& seg : line)
        largest = std::max(largest, PieceSize(items_[seg.item], size));
      const double drop = rule_.smallerDrop * LineHeightAt(largest);
      for (std::size_t k = 0; k < line.size(); ++k) {
        const Item& item = items_[line[k].item];
        TextPiece piece;
        piece.text = PieceText(line, k);
        piece.colour = item.source->colour;
        piece.size = PieceSize(item, size);
        piece.x = out.width;
        piece.dy = piece.size < largest ? drop : 0;
        out.width += Measure(piece.text, piece.size);
        out.height = std::max(out.height, piece.dy + LineHeightAt(piece.size));
        out.pieces.push_back(std::move(piece));
      }
      text.lines.push_back(std::move(out));
    }
    return text;
  }

  Surface& s_;
  const FitRule& rule_;
  std::vector<Item> items_;
  int groups_ = 1;
  std::map<double, double> heights_;
};

}  // namespace

double FittedText::Width() const {
  double width = 0;
  for (const TextLine& line : lines) width = std::max(width, line.width);
  return width;
}

double FittedText::Height() const {
  double height = 0;
  for (const TextLine& line : lines) height += line.height;
  return height;
}

FittedText FitText(Surface& s, const std::vector<TextItem>& items, const FitRule& rule) {
  Fitter fitter(s, items, rule);
  const double start = std::max(kSmallestTextSize, rule.startSize);
  if (fitter.empty()) return FittedText{start, {}, true};
  const double saved = s.FontSize;
  const double floor = std::clamp(rule.floorSize, kSmallestTextSize, start);
  const int mostLines = std::max(rule.maxLines, fitter.groups());

  std::optional<FittedText> fitted;
  for (int lines = fitter.groups(); !fitted && lines <= mostLines; ++lines) {
    for (double size = start; !fitted && size >= floor; size -= 1) {
      fitted = fitter.At(size, lines);
    }
  }
  for (double size = floor - 1; !fitted && size >= kSmallestTextSize; size -= 1) {
    fitted = fitter.At(size, mostLines);
  }
  FittedText result = fitted ? std::move(*fitted) : fitter.Overflowing(kSmallestTextSize);
  s.FontSize = saved;
  return result;
}

void DrawFittedText(Surface& s, const FittedText& text, double top,
                    const std::function<double(const TextLine&)>& lineLeft) {
  double y = top;
  for (const TextLine& line : text.lines) {
    const double left = lineLeft(line);
    for (const TextPiece& piece : line.pieces) {
      s.FontSize = piece.size;
      s.ForeColor = piece.colour;
      s.CurrentX = left + piece.x;
      s.CurrentY = y + piece.dy;
      s.Print(piece.text, true);
    }
    y += line.height;
  }
}

double KeptWithin(double left, double width, double boxLeft, double boxRight) {
  if (left + width > boxRight) left = boxRight - width;
  return std::max(left, boxLeft);
}

}  // namespace orsalimbra::render

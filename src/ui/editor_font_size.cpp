#include "ui/editor_font_size.h"

#include <algorithm>

namespace orsalimbra::ui {

EditorFontSize EditorFontSize::Bounded(int points) {
  return EditorFontSize(std::clamp(points, kSmallest, kLargest));
}

bool EditorFontSize::Enlarge() {
  if (points_ >= kLargest) return false;
  ++points_;
  return true;
}

bool EditorFontSize::Reduce() {
  if (points_ <= kSmallest) return false;
  --points_;
  return true;
}

}  // namespace orsalimbra::ui

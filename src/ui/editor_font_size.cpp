#include "ui/editor_font_size.h"

#include <algorithm>

namespace orsalimbra::ui {

EditorFontSize EditorFontSize::FromSetting(const QString& stored) {
  bool ok = false;
  const int value = stored.trimmed().toInt(&ok);
  if (!ok) return EditorFontSize(kDefault);
  return EditorFontSize(std::clamp(value, kSmallest, kLargest));
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

// Text size of the data-file editor, kept in the settings under "FontSize";
// always within 9..16 points.
#pragma once

#include <QString>

namespace orsalimbra::ui {

class EditorFontSize {
 public:
  static constexpr int kSmallest = 9;
  static constexpr int kLargest = 16;

  // A stored size outside 9..16 is brought into that range, so a hand-edited
  // store can neither hide the text nor make it unusably large.
  static EditorFontSize Bounded(int points);

  int points() const { return points_; }
  QString SettingText() const { return QString::number(points_); }

  // One point larger or smaller within 9..16; false when already at the limit.
  bool Enlarge();
  bool Reduce();

 private:
  explicit EditorFontSize(int points) : points_(points) {}
  int points_;
};

}  // namespace orsalimbra::ui

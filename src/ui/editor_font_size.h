// Text size of the data-file editor, kept in the settings under "FontSize".
#pragma once

#include <QString>

namespace orsalimbra::ui {

class EditorFontSize {
 public:
  static constexpr int kSmallest = 9;
  static constexpr int kLargest = 16;
  static constexpr int kDefault = 9;
  static inline const QString kSettingsKey = QStringLiteral("FontSize");

  // From the stored text: a text that is not a whole number gives the
  // default; a number outside 9..16 is brought into that range, so a hand-
  // edited store can neither hide the text nor make it unusably large.
  static EditorFontSize FromSetting(const QString& stored);

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

// The chooser of the title's font: the face, bold and italic, which is all
// the title takes from it. There is no size to choose (the title is fitted
// to its space) and no effect (the title has none), so none is offered.
#pragma once

#include <QDialog>
#include <QFont>
#include <optional>

class QCheckBox;
class QFontComboBox;
class QLabel;

namespace orsalimbra::ui {

class TitleFontDialog : public QDialog {
  Q_OBJECT

 public:
  static inline const QString kCaption = QStringLiteral("Font titoli");

  // Opens on `initial`'s family, bold and italic; the family must be one
  // installed (QFontInfo's), or the list shows its first face.
  TitleFontDialog(const QFont& initial, QWidget* parent);

  // The face with the chosen bold and italic.
  QFont chosenFont() const;

  // Runs the dialog modally; nothing when cancelled.
  static std::optional<QFont> Ask(QWidget* parent, const QFont& initial);

 private:
  void ShowSample();

  QFontComboBox* family_;
  QCheckBox* bold_;
  QCheckBox* italic_;
  QLabel* sample_;
};

}  // namespace orsalimbra::ui

// A small find bar under a text: the words to find, next and previous (F3,
// Shift+F3 from anywhere in the window), and a word when nothing is found.
// Searches ignore case and go round the end of the text.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace orsalimbra::ui {

class FindBar : public QWidget {
  Q_OBJECT

 public:
  FindBar(QPlainTextEdit* text, QWidget* parent);

  // Shows the bar with the focus in its field, the text there selected.
  void Open();
  // Selects the next (previous) match from the caret of the text; false
  // when the text holds none. Without words to find it opens the bar.
  bool FindNext();
  bool FindPrevious();

  QLineEdit* field() const { return field_; }
  // Empty, or what the last search found wrong ("Non trovato").
  QString status() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool Find(bool backward);
  void Close();

  QPlainTextEdit* text_;
  QLineEdit* field_;
  QLabel* status_;
};

}  // namespace orsalimbra::ui

// A one-line note box that shows a placeholder text for an empty note: on
// entering the box the placeholder is selected whole, so typing replaces it.
// Enter never reaches the window's default button; the box reports it.
#pragma once

#include <QLineEdit>

namespace orsalimbra::ui {

class NoteEdit : public QLineEdit {
  Q_OBJECT

 public:
  NoteEdit(QString placeholder, QWidget* parent);

 signals:
  void enterPressed();
  // The focus has left the box.
  void left();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString placeholder_;
  // The click that brought the focus would otherwise undo the selection.
  bool selectOnRelease_ = false;
};

}  // namespace orsalimbra::ui

#include "ui/note_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "session/settings_codec.h"

namespace orsalimbra::ui {

NoteEdit::NoteEdit(QString placeholder, QWidget* parent)
    : QLineEdit(parent), placeholder_(std::move(placeholder)) {
  // A longer note would not be read back from the settings.
  setMaxLength(static_cast<int>(session::kMaxNoteLength));
}

void NoteEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (text() != placeholder_) return;
  selectAll();
  selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void NoteEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (selectOnRelease_ && text() == placeholder_) selectAll();
  selectOnRelease_ = false;
}

void NoteEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A popup (the context menu) takes the focus only for a moment.
  if (event->reason() == Qt::PopupFocusReason) return;
  deselect();
  selectOnRelease_ = false;
  emit left();
}

void NoteEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    emit enterPressed();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace orsalimbra::ui

#include "ui/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace orsalimbra::ui {

FindBar::FindBar(QPlainTextEdit* text, QWidget* parent)
    : QWidget(parent), text_(text), field_(new QLineEdit(this)), status_(new QLabel(this)) {
  setObjectName(QStringLiteral("Trova"));
  field_->setObjectName(QStringLiteral("TrovaTesto"));
  field_->setClearButtonEnabled(true);
  auto* label = new QLabel(QStringLiteral("&Trova:"), this);
  label->setBuddy(field_);
  auto* next = new QPushButton(QStringLiteral("Successivo"), this);
  auto* previous = new QPushButton(QStringLiteral("Precedente"), this);
  auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
  next->setToolTip(QStringLiteral("F3"));
  previous->setToolTip(QStringLiteral("Maiusc+F3"));
  close->setToolTip(QStringLiteral("Esc"));
  for (QPushButton* b : {next, previous, close}) {
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
  }
  status_->setStyleSheet(QStringLiteral("color: #b71c1c"));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(field_, 1);
  layout->addWidget(next);
  layout->addWidget(previous);
  layout->addWidget(status_);
  layout->addWidget(close);

  connect(next, &QPushButton::clicked, this, &FindBar::FindNext);
  connect(previous, &QPushButton::clicked, this, &FindBar::FindPrevious);
  connect(close, &QPushButton::clicked, this, &FindBar::Close);
  connect(field_, &QLineEdit::textEdited, status_, &QLabel::clear);
  hide();
}

QString FindBar::status() const { return status_->text(); }

void FindBar::Open() {
  show();
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
}

bool FindBar::FindNext() { return Find(false); }
bool FindBar::FindPrevious() { return Find(true); }

bool FindBar::Find(bool backward) {
  const QString words = field_->text();
  if (words.isEmpty()) {
    Open();
    return false;
  }
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  QTextCursor found = text_->document()->find(words, text_->textCursor(), flags);
  if (found.isNull()) {
    // Round the end (or the start) of the text.
    QTextCursor from(text_->document());
    if (backward) from.movePosition(QTextCursor::End);
    found = text_->document()->find(words, from, flags);
  }
  if (found.isNull()) {
    status_->setText(QStringLiteral("Non trovato"));
    return false;
  }
  status_->clear();
  text_->setTextCursor(found);
  text_->centerCursor();
  return true;
}

void FindBar::Close() {
  hide();
  text_->setFocus();
}

void FindBar::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      // Closes the bar, not the window.
      Close();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Find(event->modifiers() & Qt::ShiftModifier);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace orsalimbra::ui

#include "ui/wrap_button.h"

#include <QHelpEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

namespace orsalimbra::ui {

namespace {

// A caption is never drawn below this share of the button's face.
constexpr double kSmallestFace = 0.75;

bool Fits(const QFont& font, const QRect& area, int flags, const QString& caption) {
  const QRect needed = QFontMetrics(font).boundingRect(area, flags, caption);
  return needed.width() <= area.width() && needed.height() <= area.height();
}

}  // namespace

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

int WrapButton::CaptionFlags() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  // The Alt letter is underlined as the style shows it for other buttons.
  const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) != 0;
  return Qt::AlignCenter | Qt::TextWordWrap |
         (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

QRect WrapButton::CaptionArea() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont WrapButton::CaptionFont(const QRect& area, int flags) const {
  QFont face = font();
  const QString caption = text();
  if (Fits(face, area, flags, caption)) return face;
  const qreal full = face.pixelSize() > 0 ? face.pixelSize() : face.pointSizeF();
  for (qreal size = full - 0.5; size >= full * kSmallestFace; size -= 0.5) {
    if (face.pixelSize() > 0) {
      face.setPixelSize(qRound(size));
    } else {
      face.setPointSizeF(size);
    }
    if (Fits(face, area, flags, caption)) break;
  }
  return face;
}

bool WrapButton::captionFits() const {
  const QRect area = CaptionArea();
  const int flags = CaptionFlags();
  return Fits(CaptionFont(area, flags), area, flags, text());
}

bool WrapButton::event(QEvent* event) {
  // A button without a tool tip of its own shows its cut caption whole.
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && !captionFits()) {
    QString caption = text();
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), caption, this);
    return true;
  }
  return QPushButton::event(event);
}

void WrapButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  // The frame and focus mark as usual, the caption drawn here.
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const QRect area = CaptionArea();
  const int flags = CaptionFlags();
  painter.setFont(CaptionFont(area, flags));
  painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace orsalimbra::ui

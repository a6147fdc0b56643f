// The main window's layout buttons and cover miniature.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "render/cover_preview.h"
#include "render_qt/qt_surface.h"
#include "session/settings_codec.h"
#include "session/settings_keys.h"
#include "ui/clickable_label.h"
#include "ui/form1.h"
#include "ui/layout_button.h"
#include "ui/layout_choice.h"
#include "ui/wrap_button.h"

namespace orsalimbra::ui {

namespace {
QColor FromRgb(const int (&rgb)[3]) { return QColor(rgb[0], rgb[1], rgb[2]); }
}  // namespace

void Form1::ShowLayout() {
  // A stored layout code that is no number leaves the window as it is.
  if (!choices_.LayoutType) return;
  const core::LayoutCode layout = *choices_.LayoutType;
  if (const std::optional<LayoutView> view = LayoutViewFor(layout, year_.NoMonthPhotos)) {
    LayoutButton* const buttons[3] = {Tipo0, Tipo1, Tipo2};
    for (int i = 0; i < 3; ++i) {
      buttons[i]->setBackground(
          FromRgb(i == view->chosenButton ? kChosenLayoutRgb : kOtherLayoutRgb));
    }
    Formato->setText(view->description);
    // The semester layout has no cover and no month pages: the no-cover
    // picture under the miniature shows instead.
    Cover->setVisible(view->monthPages);
    FrameM->setEnabled(view->monthPages);
    LabelM->setEnabled(view->monthPages);
    Stampa0->setEnabled(view->monthPages);
    OrdInv->setEnabled(view->monthPages);
    LetEventsRun();
  }
  store_.write(session::keys::Tipo, session::FormatCode(layout));
  DrawCoverPreview();
  Stampa1->setFocus();
}

void Form1::LayoutClicked(core::LayoutCode layoutType) {
  if (!Ready) return;
  choices_.LayoutType = layoutType;
  ShowLayout();
  // Even the same layout again makes the next print ask for the printer.
  PrinterChosen = false;
}

void Form1::CoverClicked() {
  if (!Ready) return;
  choices_.CoverStyle = NextCoverStyle(choices_.CoverStyle, year_.HasCoverPhoto);
  DrawCoverPreview();
  store_.write(session::keys::Copertina, session::FormatCode(choices_.CoverStyle));
}

void Form1::DrawCoverPreview() {
  const render::CoverPreviewPlan plan = render::PlanCoverPreview(
      choices_.CoverStyle, choices_.LayoutType.value_or(core::LayoutCode::Invalid),
      year_.HasCoverPhoto);

  const qreal ratio = devicePixelRatioF();
  const QSize size = Cover->contentsRect().size();
  QPixmap miniature(size * ratio);
  miniature.setDevicePixelRatio(ratio);
  {
    QPainter painter(&miniature);
    const QRect whole(QPoint(0, 0), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (plan.background == render::CoverBackground::NoCover) {
      painter.drawPixmap(whole, coverOffPicture_);
    } else if (plan.background == render::CoverBackground::Photo && !Immagine.isNull()) {
      // A whole photo leaves white around it.
      painter.fillRect(whole, Qt::white);
      painter.drawImage(coverPictureRect_, Immagine.image());
    } else {
      painter.fillRect(whole, Qt::white);
    }
  }
  if (plan.drawsTitle) {
    render::QtSurface surface(&miniature);
    render::DrawCoverPreviewTitle(surface, choices_.CoverStyle, CoverTitle, choices_.titleLook);
  }
  Cover->setPixmap(miniature);

  if (plan.styleBecomesNone) {
    choices_.CoverStyle = render::CoverCode::None;
    store_.write(session::keys::Copertina, QStringLiteral("0"));
  }
  if (plan.printing == render::CoverPrinting::Enable) Stampa0->setEnabled(true);
  if (plan.printing == render::CoverPrinting::Disable) Stampa0->setEnabled(false);
}

}  // namespace orsalimbra::ui

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
#include "ui/page_sketches.h"
#include "ui/twips.h"
#include "ui/wrap_button.h"

namespace orsalimbra::ui {

namespace {
QColor FromRgb(const int (&rgb)[3]) { return QColor(rgb[0], rgb[1], rgb[2]); }
}  // namespace

void Form1::ShowLayout() {
  // A stored layout code that is no number leaves the window as it is.
  if (!choices_.LayoutType) return;
  const core::LayoutCode layout = *choices_.LayoutType;
  if (const std::optional<LayoutView> view =
          LayoutViewFor(layout, year_.NoMonthPhotos, choices_.pageStyle)) {
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
    ShowPageStyle();
    LetEventsRun();
  }
  store_.write(session::keys::Tipo, session::FormatCode(layout));
  DrawCoverPreview();
  Stampa1->setFocus();
}

void Form1::CreatePageStyleBoxes() {
  // In the free row left of the reversed-order box, under the layouts.
  Riquadri = new QCheckBox(QStringLiteral("Pagine a ri&quadri"), this);
  Riquadri->setObjectName(QStringLiteral("Riquadri"));
  Riquadri->setGeometry(Twips(480, 4215, 1860, 240));
  Riquadri->setToolTip(QStringLiteral(
      "Formato settimanale: un riquadro per ogni giorno, con lo spazio per scrivere,\n"
      "le feste dentro il riquadro e i mesi vicini nei riquadri vuoti."));
  NumeriSettimana = new QCheckBox(QStringLiteral("Numeri delle setti&mane"), this);
  NumeriSettimana->setObjectName(QStringLiteral("NumeriSettimana"));
  NumeriSettimana->setGeometry(Twips(2400, 4215, 2460, 240));
  NumeriSettimana->setToolTip(
      QStringLiteral("Pagine a riquadri: i numeri delle settimane (ISO 8601) a sinistra."));
  connect(Riquadri, &QCheckBox::clicked, this, &Form1::PageStyleClicked);
  connect(NumeriSettimana, &QCheckBox::clicked, this, &Form1::WeekNumbersClicked);
}

void Form1::ShowPageStyle() {
  const bool weekly = choices_.LayoutType == core::LayoutCode::Weekly;
  const bool boxed = choices_.pageStyle == render::PageStyle::Boxed;
  Riquadri->setChecked(boxed);
  Riquadri->setEnabled(weekly);
  NumeriSettimana->setChecked(choices_.weekNumbers);
  NumeriSettimana->setEnabled(weekly && boxed);
  Tipo1->setSketch(boxed ? PageSketch::Boxed : PageSketch::Weekly);
  if (choices_.LayoutType) {
    if (const auto view =
            LayoutViewFor(*choices_.LayoutType, year_.NoMonthPhotos, choices_.pageStyle)) {
      Formato->setText(view->description);
    }
  }
}

void Form1::PageStyleClicked(bool boxed) {
  // A click while the model is rebuilt is undone: the box shows the style in force.
  if (Ready) {
    choices_.pageStyle = boxed ? render::PageStyle::Boxed : render::PageStyle::Classic;
    store_.write(session::keys::StilePagina, session::FormatCode(choices_.pageStyle));
  }
  ShowPageStyle();
}

void Form1::WeekNumbersClicked(bool shown) {
  if (Ready) {
    choices_.weekNumbers = shown;
    store_.write(session::keys::NumeriSettimana, session::FormatBool(shown));
  }
  ShowPageStyle();
}

void Form1::LayoutClicked(core::LayoutCode layoutType) {
  if (!Idle()) return;
  choices_.LayoutType = layoutType;
  ShowLayout();
  // Even the same layout again makes the next print ask for the printer.
  PrinterChosen = false;
}

void Form1::CoverClicked() {
  if (!Idle()) return;
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

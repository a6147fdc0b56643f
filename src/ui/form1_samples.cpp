// The main window's title and moon samples and the choice of their looks.
#include <QColor>
#include <QFont>

#include "render/moon_sample.h"
#include "render/page_title.h"
#include "render/scale_colour.h"
#include "render/title_sample.h"
#include "render_qt/qt_colour.h"
#include "render_qt/qt_surface.h"
#include "session/settings_codec.h"
#include "session/settings_keys.h"
#include "ui/clickable_label.h"
#include "ui/form1.h"
#include "ui/twips.h"

#include <QLineEdit>

namespace orsalimbra::ui {

namespace {

// The size the font chooser opens with: the size the printer's font was
// left at by the page measurement.
constexpr int kFontChooserSize = 20;

// A white pixmap of the inside of `box`, in the box's pixels.
QPixmap BlankPixmap(const QLabel* box) {
  const qreal ratio = box->devicePixelRatioF();
  QPixmap pixmap(box->contentsRect().size() * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::white);
  return pixmap;
}

}  // namespace

void Form1::DrawTitleSample() {
  CoverTitle = render::ComposeCalendarTitle(year_.CurrentTitle, Text1->text().toStdString());
  QPixmap sample = BlankPixmap(EsempioTit);
  {
    render::QtSurface surface(&sample);
    render::DrawTitleSample(surface, titleLook_, CoverTitle);
  }
  EsempioTit->setPixmap(sample);
  DrawCoverPreview();
}

void Form1::ShowMoonSample() {
  if (!MoonStyle) return;
  moonLook_ = render::MoonLookFor(*MoonStyle);
  MoonStyle = moonLook_.MoonStyle;
  store_.write(session::keys::Luna, session::FormatInt(*MoonStyle));
  // The time base matters only when moon phases are printed.
  const bool shown = *MoonStyle != 0;
  EsempioLun->setVisible(shown);
  Fuso->setVisible(shown);

  QPixmap sample = BlankPixmap(EsempioLun);
  {
    render::QtSurface surface(&sample);
    // The symbols are centred on the box's outer height.
    render::DrawMoonSample(surface, moonLook_, EsempioLun->height() * double{kTwipsPerPixel});
  }
  EsempioLun->setPixmap(sample);
}

void Form1::TitleColourClicked() {
  if (!services_.chooseColour) return;
  const std::optional<QColor> chosen =
      services_.chooseColour(this, render::ToQColor(titleLook_.TitleColour));
  if (!chosen || !chosen->isValid()) return;
  titleLook_.TitleColour = render::FromQColor(*chosen);
  store_.write(session::keys::ColoreTitolo, session::FormatColour(titleLook_.TitleColour));
  titleLook_.TitleShadowColour = render::ScaleColour(titleLook_.TitleColour, 0.5);
  DrawTitleSample();
}

void Form1::TitleFontClicked() {
  QFont initial(QString::fromStdString(titleLook_.TitleFont), kFontChooserSize);
  initial.setBold(titleLook_.TitleBold);
  initial.setItalic(titleLook_.TitleItalic);
  const std::optional<QFont> chosen =
      services_.chooseFont ? services_.chooseFont(this, initial) : std::nullopt;
  if (chosen) {
    // The size is not taken: the title is always fitted to its space.
    titleLook_.TitleFont = chosen->family().toStdString();
    titleLook_.TitleBold = chosen->bold();
    titleLook_.TitleItalic = chosen->italic();
    store_.write(session::keys::TitoloFont, chosen->family());
    store_.write(session::keys::TitoloBold, session::FormatBool(titleLook_.TitleBold));
    store_.write(session::keys::TitoloItalic, session::FormatBool(titleLook_.TitleItalic));
  }
  DrawTitleSample();
}

void Form1::TitleSampleClicked() {
  if (!Ready) return;
  titleLook_.TitleShadow = !titleLook_.TitleShadow;
  store_.write(session::keys::Ombra, session::FormatBool(titleLook_.TitleShadow));
  DrawTitleSample();
}

void Form1::MoonStyleClicked() {
  if (!Ready) return;
  // A stored style far beyond the table goes to 0 like 9 does, without overflow.
  const int style = MoonStyle.value_or(0);
  MoonStyle = style < 9 ? style + 1 : 9;
  ShowMoonSample();
}

}  // namespace orsalimbra::ui

// The main window's title and moon samples and the choice of their looks.
#include <QColor>
#include <QFont>
#include <QFontInfo>

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
  CoverTitle = render::ComposeCalendarTitle(year_.CurrentTitle, std::to_string(yearInForce_));
  QPixmap sample = BlankPixmap(EsempioTit);
  {
    render::QtSurface surface(&sample);
    render::DrawTitleSample(surface, choices_.titleLook, CoverTitle);
  }
  EsempioTit->setPixmap(sample);
  DrawCoverPreview();
}

void Form1::ShowMoonSample() {
  if (!choices_.MoonStyle) return;
  moonLook_ = render::MoonLookFor(*choices_.MoonStyle);
  choices_.MoonStyle = moonLook_.MoonStyle;
  store_.write(session::keys::Luna, session::FormatCode(moonLook_.MoonStyle));
  // The time base matters only when moon phases are printed.
  const bool shown = moonLook_.MoonStyle != render::MoonCode::None;
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
      services_.chooseColour(this, render::ToQColor(choices_.titleLook.TitleColour));
  if (!chosen || !chosen->isValid()) return;
  choices_.titleLook.TitleColour = render::FromQColor(*chosen);
  store_.write(session::keys::ColoreTitolo, session::FormatColour(choices_.titleLook.TitleColour));
  choices_.titleLook.TitleShadowColour = render::ScaleColour(choices_.titleLook.TitleColour, 0.5);
  DrawTitleSample();
}

void Form1::TitleFontClicked() {
  const QString stored = QString::fromStdString(choices_.titleLook.TitleFont);
  QFont initial(stored, kFontChooserSize);
  initial.setBold(choices_.titleLook.TitleBold);
  initial.setItalic(choices_.titleLook.TitleItalic);
  // The chooser lists installed faces: a name the system stands another face
  // in for ("Arial" drawn with Liberation Sans) opens on that face.
  const QString resolved = QFontInfo(initial).family();
  initial.setFamily(resolved);
  const std::optional<QFont> chosen =
      services_.chooseFont ? services_.chooseFont(this, initial) : std::nullopt;
  if (chosen) {
    // The size is not taken: the title is always fitted to its space. The
    // face standing in keeps the stored name, which another computer may
    // have.
    const QString family = chosen->family() == resolved ? stored : chosen->family();
    choices_.titleLook.TitleFont = family.toStdString();
    choices_.titleLook.TitleBold = chosen->bold();
    choices_.titleLook.TitleItalic = chosen->italic();
    store_.write(session::keys::TitoloFont, family);
    store_.write(session::keys::TitoloBold, session::FormatBool(choices_.titleLook.TitleBold));
    store_.write(session::keys::TitoloItalic, session::FormatBool(choices_.titleLook.TitleItalic));
  }
  DrawTitleSample();
}

void Form1::TitleSampleClicked() {
  if (!Ready) return;
  choices_.titleLook.TitleShadow = !choices_.titleLook.TitleShadow;
  store_.write(session::keys::Ombra, session::FormatBool(choices_.titleLook.TitleShadow));
  DrawTitleSample();
}

void Form1::MoonStyleClicked() {
  if (!Ready) return;
  // A stored style far beyond the table goes to 0 like 9 does, without overflow.
  const int style = static_cast<int>(choices_.MoonStyle.value_or(render::MoonCode::None));
  choices_.MoonStyle = static_cast<render::MoonCode>(style < 9 ? style + 1 : 9);
  ShowMoonSample();
}

}  // namespace orsalimbra::ui

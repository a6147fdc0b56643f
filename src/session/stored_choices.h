// The user's choices as the main window reads them from the settings store
// at start-up, and the editor's font size.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "core/year_model.h"
#include "render/colour.h"
#include "render/cover_code.h"
#include "render/moon_look.h"
#include "render/page_inputs.h"
#include "session/settings_keys.h"
#include "session/settings_store.h"

namespace orsalimbra::session {

// One field per key, in the order the keys are read. The initial values are
// what a consumer holds before anything was read; a stored value that cannot
// be converted to the field's type leaves the field as it was.
//
// Layout, title colour and font, moon style, cover style and cover fit are
// kept as the text read: an empty or odd text means something to the code that uses
// them (an empty layout code is ignored), so they are converted there, with
// the helpers below.
struct StoredChoices {
  int LanguageIndex = 0;     // "Lingua": index into the data file's list, not range-checked
  QString LayoutType;        // "Tipo", default "1"; see layoutCode()
  QString TitleColour;       // "ColoreTitolo", default "2020095"; see titleColour()
  QString TitleFont;         // "TitoloFont", default "Arial"; see the caps of settings_codec.h
  bool TitleBold = false;    // "TitoloBold", default true
  bool TitleItalic = false;  // "TitoloItalic", default true
  QString MoonStyle;         // "Luna", default "1"; see moonStyle()
  QString CoverStyle;        // "Copertina", default "1"; see coverStyle()
  QString coverFitText;      // "AdattaCopertina", default "0"; see coverFit()
  // "OrdInv", default 0: state of the reversed-order check box, 0 unchecked,
  // 1 checked. Other numbers are kept as read; the window leaves its check
  // box as it is for them.
  std::int16_t OrdInv = 0;
  bool TitleShadow = false;    // "Ombra", default true
  bool UserPhotosSet = false;  // "RegFoto", default false
  bool UseLocalTime = false;   // "LocalTime", default true
  // "Foto00".."Foto12" and "Nota00".."Nota12", default empty: picture path
  // and note per page, 0 the cover (its note is the back-cover note).
  std::array<QString, keys::kPageCount> PhotoPaths;
  std::array<QString, keys::kPageCount> PhotoNotes;

  // The layout code (0 semester, 1 weekly, 2 daily, or any other stored
  // number), or nullopt when LayoutType is not a number (empty included).
  std::optional<core::LayoutCode> layoutCode() const;
  // TitleColour as a 24-bit colour, or nullopt when it is not one.
  std::optional<render::Colour> titleColour() const;
  // The numeric moon and cover styles, or nullopt when not a number.
  std::optional<render::MoonCode> moonStyle() const;
  std::optional<render::CoverCode> coverStyle() const;
  std::optional<render::CoverFit> coverFit() const;
  // The moon style as the window takes it: an empty text means no style is
  // set (nothing happens), any other text that is no number is a style
  // outside the table, shown as style 0.
  std::optional<render::MoonCode> moonStyleShown() const;
  // The title look: a colour text that is no colour keeps the usual title
  // colour; the shadow is that colour at half intensity.
  render::TitleLook titleLook() const;
};

// Reads every choice from `store` in key order onto `previous` and returns
// the result. Call it after SettingsStore::applyVersion(). Missing keys give
// their defaults; values that do not convert keep the field of `previous`.
StoredChoices ReadStoredChoices(const SettingsStore& store, StoredChoices previous = {});
// The choices of a first run: every key at its default.
StoredChoices DefaultChoices();

// The cover fit as stored ("AdattaCopertina"), for the image window and the
// main window after it closes; a text that is no number fills the page.
render::CoverFit ReadCoverFit(const SettingsStore& store);

// The editor's font size ("FontSize", default 9), or `previous` when the
// stored text is not an integer. Not range-checked: the editor bounds it.
inline constexpr int kDefaultEditorFontSize = 9;
int ReadEditorFontSize(const SettingsStore& store, int previous = kDefaultEditorFontSize);

}  // namespace orsalimbra::session

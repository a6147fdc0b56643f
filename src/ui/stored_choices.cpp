#include "ui/stored_choices.h"

#include <utility>

#include "core/year_model.h"
#include "ui/settings_codec.h"

namespace orsalimbra::ui {
namespace {

// Stores the converted value into `field` only when the conversion works.
template <typename T, typename Parse>
void ReadInto(const SettingsStore& store, const char* key, const char* fallback, Parse parse,
              T& field) {
  if (const std::optional<T> value =
          parse(store.read(QString::fromLatin1(key), QString::fromLatin1(fallback)))) {
    field = *value;
  }
}

}  // namespace

int StoredChoices::layoutCode() const {
  return ParseInt(LayoutType).value_or(core::kLayoutInvalid);
}

std::optional<render::Colour> StoredChoices::titleColour() const {
  return ParseColour(TitleColour);
}

std::optional<int> StoredChoices::moonStyle() const { return ParseInt(MoonStyle); }

std::optional<int> StoredChoices::coverStyle() const { return ParseInt(CoverStyle); }

StoredChoices ReadStoredChoices(const SettingsStore& store, StoredChoices previous) {
  StoredChoices c = std::move(previous);
  ReadInto(store, keys::Lingua, "0", ParseInt, c.LanguageIndex);
  c.LayoutType = store.read(keys::Tipo, QStringLiteral("1"));
  c.TitleColour = store.read(keys::ColoreTitolo, FormatColour(render::Rgb(255, 210, 30)));
  c.TitleFont = store.read(keys::TitoloFont, QStringLiteral("Arial"));
  ReadInto(store, keys::TitoloBold, "True", ParseBool, c.TitleBold);
  ReadInto(store, keys::TitoloItalic, "True", ParseBool, c.TitleItalic);
  c.MoonStyle = store.read(keys::Luna, QStringLiteral("1"));
  c.CoverStyle = store.read(keys::Copertina, QStringLiteral("1"));
  ReadInto(store, keys::OrdInv, "0", ParseInt16, c.OrdInv);
  ReadInto(store, keys::Ombra, "True", ParseBool, c.TitleShadow);
  ReadInto(store, keys::RegFoto, "False", ParseBool, c.UserPhotosSet);
  ReadInto(store, keys::LocalTime, "True", ParseBool, c.UseLocalTime);
  for (int page = 0; page < keys::kPageCount; ++page) {
    c.PhotoPaths[page] = store.read(keys::PhotoKey(page), QString());
    c.PhotoNotes[page] = store.read(keys::NoteKey(page), QString());
  }
  return c;
}

int ReadEditorFontSize(const SettingsStore& store, int previous) {
  ReadInto(store, keys::FontSize, "9", ParseInt, previous);
  return previous;
}

}  // namespace orsalimbra::ui

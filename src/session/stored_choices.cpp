#include "session/stored_choices.h"

#include <functional>
#include <utility>

#include "core/year_model.h"
#include "render/scale_colour.h"
#include "session/settings_codec.h"

namespace orsalimbra::session {
namespace {

// The usual title colour, red 255, green 210, blue 30.
constexpr render::Colour kDefaultTitleColour = render::Rgb(255, 210, 30);

// Reads a key's text: `read(key, fallback)`.
using Reader = std::function<QString(const QString& key, const QString& fallback)>;

// Stores the converted value into `field` only when the conversion works.
template <typename T, typename Parse>
void ReadInto(const Reader& read, const char* key, const char* fallback, Parse parse, T& field) {
  if (const std::optional<T> value =
          parse(read(QString::fromLatin1(key), QString::fromLatin1(fallback)))) {
    field = *value;
  }
}

// A text key: a value over `cap` characters is junk and gives the default.
QString ReadText(const Reader& read, const QString& key, const QString& fallback, qsizetype cap) {
  return ParseText(read(key, fallback), cap).value_or(fallback);
}

StoredChoices ReadChoicesWith(const Reader& read, StoredChoices c) {
  ReadInto(read, keys::Lingua, "0", ParseInt, c.LanguageIndex);
  c.LayoutType = read(keys::Tipo, QStringLiteral("1"));
  c.TitleColour = read(keys::ColoreTitolo, FormatColour(kDefaultTitleColour));
  c.TitleFont = ReadText(read, keys::TitoloFont, QStringLiteral("Arial"), kMaxFontNameLength);
  ReadInto(read, keys::TitoloBold, "True", ParseBool, c.TitleBold);
  ReadInto(read, keys::TitoloItalic, "True", ParseBool, c.TitleItalic);
  c.MoonStyle = read(keys::Luna, QStringLiteral("1"));
  c.CoverStyle = read(keys::Copertina, QStringLiteral("1"));
  c.coverFitText = read(keys::AdattaCopertina, QStringLiteral("0"));
  ReadInto(read, keys::OrdInv, "0", ParseInt16, c.OrdInv);
  ReadInto(read, keys::Ombra, "True", ParseBool, c.TitleShadow);
  ReadInto(read, keys::RegFoto, "False", ParseBool, c.UserPhotosSet);
  ReadInto(read, keys::LocalTime, "True", ParseBool, c.UseLocalTime);
  for (int page = 0; page < keys::kPageCount; ++page) {
    c.PhotoPaths[page] = ReadText(read, keys::PhotoKey(page), QString(), kMaxPathLength);
    c.PhotoNotes[page] = ReadText(read, keys::NoteKey(page), QString(), kMaxNoteLength);
  }
  return c;
}

}  // namespace

std::optional<core::LayoutCode> StoredChoices::layoutCode() const {
  return ParseLayoutCode(LayoutType);
}

std::optional<render::Colour> StoredChoices::titleColour() const {
  return ParseColour(TitleColour);
}

std::optional<render::MoonCode> StoredChoices::moonStyle() const {
  return ParseMoonCode(MoonStyle);
}

std::optional<render::CoverCode> StoredChoices::coverStyle() const {
  return ParseCoverCode(CoverStyle);
}

std::optional<render::CoverFit> StoredChoices::coverFit() const {
  return ParseCoverFit(coverFitText);
}

std::optional<render::MoonCode> StoredChoices::moonStyleShown() const {
  if (MoonStyle.trimmed().isEmpty()) return std::nullopt;
  return moonStyle().value_or(render::MoonCode::None);
}

render::TitleLook StoredChoices::titleLook() const {
  render::TitleLook look;
  look.TitleColour = titleColour().value_or(kDefaultTitleColour);
  look.TitleShadowColour = render::ScaleColour(look.TitleColour, 0.5);
  look.TitleFont = TitleFont.toStdString();
  look.TitleBold = TitleBold;
  look.TitleItalic = TitleItalic;
  look.TitleShadow = TitleShadow;
  return look;
}

StoredChoices ReadStoredChoices(const SettingsStore& store, StoredChoices previous) {
  return ReadChoicesWith(
      [&store](const QString& key, const QString& fallback) { return store.read(key, fallback); },
      std::move(previous));
}

StoredChoices DefaultChoices() {
  return ReadChoicesWith([](const QString&, const QString& fallback) { return fallback; }, {});
}

render::CoverFit ReadCoverFit(const SettingsStore& store) {
  return ParseCoverFit(store.read(QString::fromLatin1(keys::AdattaCopertina), QStringLiteral("0")))
      .value_or(render::CoverFit::Fill);
}

int ReadEditorFontSize(const SettingsStore& store, int previous) {
  ReadInto(
      [&store](const QString& key, const QString& fallback) { return store.read(key, fallback); },
      keys::FontSize, "9", ParseInt, previous);
  return previous;
}

}  // namespace orsalimbra::session

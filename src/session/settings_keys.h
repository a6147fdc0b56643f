// Names of the keys the program keeps in its settings section. Every reader
// and writer names its key through these constants, so that a key is spelt
// in one place only.
#pragma once

#include <QString>

namespace orsalimbra::session::keys {

inline constexpr char Versione[] = "Versione";          // format version of the section
inline constexpr char Lingua[] = "Lingua";              // language or country index, 0-based
inline constexpr char Tipo[] = "Tipo";                  // layout code
inline constexpr char ColoreTitolo[] = "ColoreTitolo";  // title colour
inline constexpr char TitoloFont[] = "TitoloFont";      // title font face
inline constexpr char TitoloBold[] = "TitoloBold";
inline constexpr char TitoloItalic[] = "TitoloItalic";
inline constexpr char Luna[] = "Luna";            // moon style
inline constexpr char Copertina[] = "Copertina";  // cover style
// How the cover picture meets the page: 0 fills it (cropped), 1 whole on
// white, 2 stretched.
inline constexpr char AdattaCopertina[] = "AdattaCopertina";
// The weekly month pages: 0 open rows of day numbers, 1 a box for each day.
inline constexpr char StilePagina[] = "StilePagina";
// The boxed pages show the ISO week numbers (Boolean).
inline constexpr char NumeriSettimana[] = "NumeriSettimana";
inline constexpr char OrdInv[] = "OrdInv";        // reversed page order check box
inline constexpr char Ombra[] = "Ombra";          // title shadow
inline constexpr char RegFoto[] = "RegFoto";      // the user's pictures win over the data file's
inline constexpr char LocalTime[] = "LocalTime";  // moon phase times in local time, else GMT
inline constexpr char FontSize[] = "FontSize";    // font size of the data-file editor
inline constexpr char CartellaPdf[] = "CartellaPdf";  // folder of the last PDF export
// The user's calendar files: how many, then per file (from 1) its path and
// whether it is used; and the colour their dates print in.
inline constexpr char DatePersonali[] = "DatePersonali";
inline constexpr char ColoreDatePersonali[] = "ColoreDatePersonali";

// The current format version, stamped at every start.
inline constexpr int kCurrentVersion = 3;
// Sections stamped below this are from an incompatible format and are discarded.
inline constexpr int kOldestKeptVersion = 2;

// Number of pages with a picture and a note: 0 the cover, 1..12 the months.
inline constexpr int kPageCount = 13;

// "Foto" or "Nota" followed by the page index with at least two digits:
// "Foto00" is the cover picture, "Nota07" the July note. The back-cover
// note is "Nota00".
inline QString PhotoKey(int page) {
  return QStringLiteral("Foto%1").arg(page, 2, 10, QLatin1Char('0'));
}
inline QString NoteKey(int page) {
  return QStringLiteral("Nota%1").arg(page, 2, 10, QLatin1Char('0'));
}

// "DatePersonali01" is the path of the first calendar file,
// "DatePersonaliUsato01" whether it is used.
inline QString PersonalDateFileKey(int n) {
  return QStringLiteral("DatePersonali%1").arg(n, 2, 10, QLatin1Char('0'));
}
inline QString PersonalDateUsedKey(int n) {
  return QStringLiteral("DatePersonaliUsato%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace orsalimbra::session::keys

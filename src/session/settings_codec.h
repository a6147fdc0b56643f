// Text encodings of the values kept in the settings store.
//
// Every value is stored as text, so that it reads back the same after a
// restart whatever the store's own typing does. Integers are decimal,
// Booleans the words "True" and "False", colours the decimal text of the
// 24-bit number red + 256 x green + 65536 x blue.
//
// The parsers never throw: a text that does not hold a value of the wanted
// type gives std::nullopt, and the caller keeps whatever it had before.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "core/year_model.h"
#include "render/colour.h"
#include "render/cover_code.h"
#include "render/cover_fit.h"
#include "render/moon_look.h"

namespace orsalimbra::session {

QString FormatBool(bool value);
// "True"/"False" in any letter case, or a decimal number: zero is false and
// any other number true ("-1", the old all-bits-set true, is true). The
// number may carry a sign and a fraction ("0.0" is false, "2.5" true); it is
// never converted, so no length overflows. Surrounding white space is ignored.
std::optional<bool> ParseBool(const QString& text);

QString FormatInt(std::int64_t value);
// Decimal integers: optional surrounding white space, an optional "+" or "-"
// sign, then ASCII digits only. No fraction, exponent, grouping or hex.
// A value outside the target type fails instead of wrapping.
std::optional<std::int64_t> ParseInt64(const QString& text);
std::optional<int> ParseInt(const QString& text);
std::optional<std::int16_t> ParseInt16(const QString& text);

// Texts have caps: a longer value is no font name, picture path or note the
// program wrote, and would only make pages slow to draw.
inline constexpr qsizetype kMaxFontNameLength = 256;
inline constexpr qsizetype kMaxPathLength = 4096;
inline constexpr qsizetype kMaxNoteLength = 1000;
// The text itself when it has at most `cap` characters (UTF-16 units).
std::optional<QString> ParseText(const QString& text, qsizetype cap);

// Only the low 24 bits carry a colour; higher bits are dropped so that what
// is written always reads back.
QString FormatColour(render::Colour colour);
// A decimal integer from 0 to 16777215; anything else fails.
std::optional<render::Colour> ParseColour(const QString& text);

// The layout, cover and moon codes are stored as decimal integers. Any
// number reads back as it is, also one that names no code: what such a code
// does is up to its user. A text that is no number fails.
std::optional<core::LayoutCode> ParseLayoutCode(const QString& text);
std::optional<render::CoverCode> ParseCoverCode(const QString& text);
std::optional<render::MoonCode> ParseMoonCode(const QString& text);
std::optional<render::CoverFit> ParseCoverFit(const QString& text);
template <typename Code>
QString FormatCode(Code code) {
  return FormatInt(static_cast<int>(code));
}

}  // namespace orsalimbra::session

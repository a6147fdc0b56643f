// libFuzzer target: arbitrary text through the settings value codec, read as
// UTF-8 and as UTF-16 (the store may hand either back). Checks that every
// value parsed is written back as a text that parses to the same value, that
// ranges hold, and that nothing traps on any input.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "session/settings_codec.h"

using namespace orsalimbra::session;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckText(const QString& text) {
  if (const auto value = ParseBool(text)) Check(ParseBool(FormatBool(*value)) == value);
  const std::optional<std::int64_t> wide = ParseInt64(text);
  if (wide) Check(ParseInt64(FormatInt(*wide)) == wide);
  if (const auto value = ParseInt(text)) Check(wide && *wide == *value);
  if (const auto value = ParseInt16(text)) Check(wide && *wide == *value);
  // A number that parses is also a Boolean: zero or not.
  if (wide) Check(ParseBool(text) == (*wide != 0));
  if (const auto colour = ParseColour(text)) {
    Check(*colour <= 0xFFFFFFu);
    Check(ParseColour(FormatColour(*colour)) == colour);
  }
  for (const qsizetype cap : {kMaxFontNameLength, kMaxNoteLength}) {
    const std::optional<QString> kept = ParseText(text, cap);
    Check(kept.has_value() == (text.size() <= cap));
    if (kept) Check(*kept == text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto* chars = reinterpret_cast<const char*>(data);
  CheckText(QString::fromUtf8(chars, static_cast<qsizetype>(size)));
  CheckText(QString::fromLatin1(chars, static_cast<qsizetype>(size)));
  std::u16string units(size / 2, u'\0');
  std::memcpy(units.data(), data, units.size() * 2);
  CheckText(QString::fromStdU16String(units));
  return 0;
}

#include "core/utf8.h"

namespace orsalimbra::core {

Utf8Character DecodeUtf8(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1, false};
  std::size_t length = 0;
  char32_t c = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return {0xFFFD, 1, true};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= text.size()) return {0xFFFD, i, true};
    const unsigned char b = byte(i);
    const unsigned char lo = i == 1 ? low : 0x80, hi = i == 1 ? high : 0xBF;
    if (b < lo || b > hi) return {0xFFFD, i, true};
    c = (c << 6) | (b & 0x3F);
  }
  return {c, length, false};
}

namespace {
bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }
}  // namespace

std::size_t CharacterCount(std::string_view text) {
  std::size_t n = 0;
  for (const char byte : text) n += StartsCharacter(byte) ? 1 : 0;
  return n;
}

std::size_t CharacterOffset(std::string_view text, std::size_t index) {
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if (StartsCharacter(text[i]) && index-- == 0) return i;
  }
  return i;
}

std::string_view Characters(std::string_view text, std::size_t from, std::size_t count) {
  text = text.substr(CharacterOffset(text, from));
  return count == std::string_view::npos ? text : text.substr(0, CharacterOffset(text, count));
}

std::string_view WithoutLastCharacter(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && !StartsCharacter(text[end - 1])) --end;
  return text.substr(0, end > 0 ? end - 1 : 0);
}

}  // namespace orsalimbra::core

#include "events/event_text.h"

#include <algorithm>

#include "core/utf8.h"

namespace orsalimbra::events {

namespace {

bool IsLineBreak(char32_t c) {
  return c == U'\n' || c == U'\r' || c == U'\t' || c == U'\v' || c == U'\f' || c == 0x85 ||
         c == 0x2028 || c == 0x2029;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::string PageText(std::string_view raw, std::size_t maxCharacters) {
  std::string out;
  out.reserve(std::min(raw.size(), maxCharacters * 4));
  // Byte length of `out` after each kept character, up to the cap, so that
  // the cut falls on a character boundary.
  std::size_t characters = 0, cutAt = 0;
  bool cut = false;
  for (std::size_t i = 0; i < raw.size();) {
    const core::Utf8Character d = core::DecodeUtf8(raw.substr(i));
    const std::string_view bytes = raw.substr(i, d.length);
    i += d.length;
    if (d.malformed) {
      out += "\xEF\xBF\xBD";
    } else if (IsLineBreak(d.character)) {
      if (out.empty() || out.back() == ' ') continue;
      out += ' ';
    } else if (IsControl(d.character)) {
      continue;
    } else {
      out += bytes;
    }
    if (out.size() == 1 && out[0] == ' ') {
      out.clear();
      continue;
    }
    ++characters;
    if (characters == maxCharacters) cutAt = out.size();
    if (characters > maxCharacters) {
      cut = true;
      break;
    }
  }
  if (cut) {
    out.resize(cutAt);
    // Room for the ellipsis: drop the last kept character.
    while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) out.pop_back();
    if (!out.empty()) out.pop_back();
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  std::size_t lead = 0;
  while (lead < out.size() && out[lead] == ' ') ++lead;
  out.erase(0, lead);
  if (cut) out += "\xE2\x80\xA6";
  return out;
}

}  // namespace orsalimbra::events

#include "core/win1252.h"

#include <array>
#include <cstdint>
#include <optional>

#include "core/utf8.h"

namespace orsalimbra::core {

namespace {

// Code points of bytes 80..9F hex (the rest of the code page equals
// ISO 8859-1). Per the Unicode mapping file cp1252.txt; the undefined bytes
// map to the C1 control of the same number.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t CodePointOf(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? char32_t{kHighTable[byte - 0x80]} : char32_t{byte};
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::optional<unsigned char> ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < kHighTable.size(); ++i) {
    if (kHighTable[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

std::string DecodeWin1252(std::string_view bytes) {
  // Runs of ASCII, by far the most of any data file, are copied in bulk.
  std::string out;
  std::size_t high = 0;
  for (const char b : bytes) high += static_cast<unsigned char>(b) >> 7;
  out.reserve(bytes.size() + 2 * high);
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::size_t run = i;
    while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) ++run;
    out.append(bytes.substr(i, run - i));
    if (run == bytes.size()) break;
    AppendUtf8(out, CodePointOf(static_cast<unsigned char>(bytes[run])));
    i = run + 1;
  }
  return out;
}

EncodeResult EncodeWin1252(std::string_view text) {
  EncodeResult result;
  result.bytes.reserve(text.size());
  std::size_t line = 1, column = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    const Utf8Character d = DecodeUtf8(text.substr(i));
    const auto b = d.malformed ? std::nullopt : ByteOf(d.character);
    if (b) {
      result.bytes += static_cast<char>(*b);
    } else {
      result.problems.push_back({d.character, d.malformed, line, column, i});
    }
    i += d.length;
    // A CR LF pair ends one line: the CR moves on at the LF.
    const bool crBeforeLf = d.character == '\r' && i < text.size() && text[i] == '\n';
    if ((d.character == '\n' || d.character == '\r') && !d.malformed && !crBeforeLf) {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return result;
}

}  // namespace orsalimbra::core

// Reading UTF-8 text one character at a time (RFC 3629: no overlong forms,
// no surrogates, nothing above U+10FFFF).
#pragma once

#include <cstddef>
#include <string_view>

namespace orsalimbra::core {

struct Utf8Character {
  char32_t character;  // U+FFFD when malformed
  std::size_t length;  // bytes consumed, at least 1
  bool malformed;
};

// The character at the start of `text` (not empty). A malformed sequence
// consumes its maximal valid prefix (at least one byte), as Unicode
// recommends for replacement, so that each problem is met once.
Utf8Character DecodeUtf8(std::string_view text);

}  // namespace orsalimbra::core

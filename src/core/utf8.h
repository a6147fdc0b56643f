// Reading UTF-8 text one character at a time (RFC 3629: no overlong forms,
// no surrogates, nothing above U+10FFFF), and slicing it by characters.
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

// Slicing by characters counts the bytes that begin one (every byte but the
// continuation bytes 10xxxxxx): exact for valid UTF-8, which is all the
// program holds, and never splits a character's bytes.

// Characters in `text`.
std::size_t CharacterCount(std::string_view text);
// Byte offset of character `index` (from 0), or the text's size when the
// text is shorter.
std::size_t CharacterOffset(std::string_view text, std::size_t index);
// Characters `from` .. `from + count - 1` (from 0).
std::string_view Characters(std::string_view text, std::size_t from,
                            std::size_t count = std::string_view::npos);
// `text` without its last character.
std::string_view WithoutLastCharacter(std::string_view text);

}  // namespace orsalimbra::core

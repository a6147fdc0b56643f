// Windows-1252 text: the single-byte code page of the data file. Inside the
// program text is UTF-8; these convert at the file boundary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orsalimbra::core {

// UTF-8 text of Windows-1252 bytes. Every byte decodes: the five bytes the
// code page leaves undefined (81, 8D, 8F, 90, 9D hex) become the C1 control
// characters of the same number, so that decoding and encoding round-trip.
std::string DecodeWin1252(std::string_view bytes);

// A character of the text that cannot be written in Windows-1252, or a byte
// sequence that is no UTF-8.
struct EncodeProblem {
  char32_t character = 0;  // the character; U+FFFD when `malformed`
  bool malformed = false;  // the bytes at `offset` are no valid UTF-8
  std::size_t line = 0;    // from 1; CR LF, a lone CR and a lone LF end a line
  std::size_t column = 0;  // from 1, in characters
  std::size_t offset = 0;  // byte offset in the UTF-8 input
};

struct EncodeResult {
  // The text in Windows-1252. Characters with a problem are left out, so the
  // bytes are the text only when `problems` is empty.
  std::string bytes;
  std::vector<EncodeProblem> problems;

  bool ok() const { return problems.empty(); }
};

// Windows-1252 bytes of UTF-8 `text`, with every character that the code page
// cannot hold reported (never replaced by '?').
EncodeResult EncodeWin1252(std::string_view text);

}  // namespace orsalimbra::core

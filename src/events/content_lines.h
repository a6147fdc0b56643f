// The content lines of an iCalendar text (RFC 5545, 3.1): physical lines
// ended by CR LF, LF or a lone CR, with a line that begins with a space or a
// tab continuing the one before (folding).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orsalimbra::events {

class ContentLines {
 public:
  // `text` must outlive the reader. A UTF-8 byte order mark at its start is
  // skipped.
  explicit ContentLines(std::string_view text);

  // The next content line, unfolded, without its line break and without NUL
  // bytes (which the C strings of the parser could not carry), and the
  // 1-based number of its first physical line. False at the end of the text.
  bool Next(std::string& line, int& number);

  // The number of the last physical line read.
  int lastLine() const { return physical_; }

 private:
  // The next physical line, false at the end.
  bool NextPhysical(std::string_view& line);

  std::string_view text_;
  std::size_t next_ = 0;
  int physical_ = 0;
  // A physical line read ahead to see whether it continues the current one.
  std::string_view pending_;
  bool hasPending_ = false;
};

}  // namespace orsalimbra::events

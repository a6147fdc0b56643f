#include <gtest/gtest.h>

#include <string>

#include "events/event_text.h"

using orsalimbra::events::PageText;

namespace {

struct TextCase {
  const char* name;
  std::string raw;
  std::size_t max;
  std::string expected;
};

TEST(PageText, MakesOneCleanLine) {
  const TextCase cases[] = {
      {"as written", "Compleanno di Zoë 🎂", 200, "Compleanno di Zoë 🎂"},
      {"line breaks and tabs become one space", "Riga uno\nriga\r\ndue\tfine", 200,
       "Riga uno riga due fine"},
      {"a break after a space adds none", "Fine \nriga", 200, "Fine riga"},
      {"controls, DEL and C1 are dropped; NEL breaks the line",
       "A\x01"
       "B\x7F"
       "C\xC2\x85"
       "D\xC2\x9F"
       "E",
       200, "ABC DE"},
      {"malformed UTF-8 becomes U+FFFD", "Caf\xE9 \xF0\x9F", 200, "Caf\xEF\xBF\xBD \xEF\xBF\xBD"},
      {"trimmed at both ends", "  \n Festa \t ", 200, "Festa"},
      {"only controls", "\x01\x02\n", 200, ""},
      {"cut at the bound, with an ellipsis", "abcdefghij", 5, "abcd…"},
      {"exactly the bound", "abcde", 5, "abcde"},
      {"cut on characters, not bytes", "àèìòùàèìòù", 4, "àèì…"},
      {"no space before the ellipsis", "abc defgh", 5, "abc…"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(PageText(c.raw, c.max), c.expected) << c.name;
}

}  // namespace

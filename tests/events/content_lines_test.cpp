#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "events/content_lines.h"

using orsalimbra::events::ContentLines;

namespace {

struct LinesCase {
  const char* name;
  std::string text;
  std::vector<std::pair<int, std::string>> expected;
};

TEST(ContentLines, UnfoldsAndNumbersTheLines) {
  const LinesCase cases[] = {
      {"CR LF", "A:1\r\nB:2\r\n", {{1, "A:1"}, {2, "B:2"}}},
      {"LF, lone CR, no break at the end", "A:1\nB:2\rC:3", {{1, "A:1"}, {2, "B:2"}, {3, "C:3"}}},
      {"folded with a space and a tab",
       "SUMMARY:Buon\r\n  compleanno\r\n\t!\r\nEND:X\r\n",
       {{1, "SUMMARY:Buon compleanno!"}, {4, "END:X"}}},
      {"a fold after an empty line does not join it",
       "A:1\r\n\r\n x\r\n",
       {{1, "A:1"}, {2, ""}, {3, " x"}}},
      {"the byte order mark is skipped",
       "\xEF\xBB\xBF"
       "A:1\r\n",
       {{1, "A:1"}}},
      {"NUL bytes are dropped",
       std::string("A:1\0"
                   "2\r\n",
                   7),
       {{1, "A:12"}}},
      {"blank lines keep their numbers", "\r\n\r\nA:1", {{1, ""}, {2, ""}, {3, "A:1"}}},
      {"empty text", "", {}},
  };
  for (const LinesCase& c : cases) {
    ContentLines lines(c.text);
    std::vector<std::pair<int, std::string>> got;
    std::string line;
    int number = 0;
    while (lines.Next(line, number)) got.emplace_back(number, line);
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

}  // namespace

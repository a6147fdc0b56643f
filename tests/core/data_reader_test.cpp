#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_reader.h"

using namespace orsalimbra::core;

namespace {

std::vector<std::string> Tokens(const std::string& bytes) {
  DataReader reader(bytes);
  std::vector<std::string> tokens;
  while (reader.ReadDataLine()) tokens.emplace_back(reader.DataToken());
  EXPECT_TRUE(reader.DataToken().empty());
  EXPECT_TRUE(reader.DataLine().empty());
  return tokens;
}

using Strings = std::vector<std::string>;

TEST(DataReader, SplitsTokensByTheirFirstCharacter) {
  const struct {
    const char* name;
    std::string bytes;
    Strings tokens;
  } cases[] = {
      {"key and items", "[1] Gennaio January", {"[1", "Gennaio", "January"}},
      {"one token a line", "[1]\r\nGennaio\r\nJanuary\r\n", {"[1", "Gennaio", "January"}},
      {"section", "<MESI>", {"<MESI"}},
      {"section glued to item", "<x>y", {"<x", "y"}},
      {"section name with spaces", "<a b>  c", {"<a b", "c"}},
      {"section without >", "<mesi rest of line\r\nnext", {"<mesi rest of line", "next"}},
      {"key without ]", "[abc def\r\nx", {"[abc def", "x"}},
      {"quoted item",
       "\"Festa della mamma\" \"Mother's Day\"",
       {"Festa della mamma", "Mother's Day"}},
      {"quoted item glued to the next", "\"a\"b", {"a", "b"}},
      {"quote inside an item", "a\"b c", {"a\"b", "c"}},
      {"quote without its end", "\"abc def\r\nx", {"abc def", "x"}},
      {"lone quote", "\"", {""}},
      {"empty quoted items", "\"\"\"\" x", {"", "", "x"}},
      {"quoted key header", "\"[x]\" y", {"[x]", "y"}},
      {"quoted section header", "\"<feste>\"", {"<feste>"}},
      {"several spaces", "   a     b   ", {"a", "b"}},
      {"tab is no separator", "a\tb c\t", {"a\tb", "c\t"}},
      {"key then quoted item", "[k]\"q\"", {"[k", "q"}},
      {"lone CR, lone LF, CR LF", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"LF CR is two line ends", "a\n\rb", {"a", "b"}},
      {"empty lines skipped", "\r\n\r\n  \r\na\r\r\n\n \nb", {"a", "b"}},
      {"trailing blank lines", "a b\r\n\r\n   \r\n", {"a", "b"}},
      {"last line without line end", "a\r\nb c", {"a", "b", "c"}},
      {"empty file", "", {}},
      {"only blanks", "  \r\n \n\r", {}},
      {"Windows-1252 text",
       "Luned\xec [2\xb0"
       "7/05]",
       {"Luned\u00ec", "[2\u00b07/05"}},
      {"NUL is text", std::string("a\0b c", 5), {std::string("a\0b", 3), "c"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Tokens(c.bytes), c.tokens) << c.name;
}

TEST(DataReader, KeepsTheUnreadRestOfTheLine) {
  DataReader reader("[3]   mar.jpg   \"A note\"  \r\nnext");
  ASSERT_TRUE(reader.ReadDataLine());
  EXPECT_EQ(reader.DataLine(), "mar.jpg   \"A note\"");
  ASSERT_TRUE(reader.ReadDataLine());
  EXPECT_EQ(reader.DataToken(), "mar.jpg");
  EXPECT_EQ(reader.DataLine(), "\"A note\"");
  reader.ClearDataLine();
  ASSERT_TRUE(reader.ReadDataLine());
  EXPECT_EQ(reader.DataToken(), "next");
  EXPECT_FALSE(reader.ReadDataLine());
}

TEST(DataReader, ClassifiesTokensAfterTheirQuotesAreRemoved) {
  EXPECT_EQ(KindOf("<mesi"), TokenKind::Section);
  EXPECT_EQ(SectionNameOf("<mesi"), "MESI");
  EXPECT_EQ(SectionNameOf("<Feste"), "FESTE");
  EXPECT_EQ(KindOf("[Mesi"), TokenKind::Key);
  EXPECT_EQ(KeyOf("[Mesi"), "Mesi");
  EXPECT_EQ(KeyOf("[x]"), "x]");
  EXPECT_EQ(KindOf(""), TokenKind::Item);
  EXPECT_EQ(KindOf("a<b"), TokenKind::Item);
  EXPECT_EQ(SectionNameOf("<"), "");
  EXPECT_EQ(KeyOf("["), "");
}

TEST(DataReader, HugeLinesAreReadInOnePass) {
  // Half a million tokens on one line: a reader that copied the rest of the
  // line per token would take minutes here.
  std::string line;
  for (int i = 0; i < 500000; ++i) line += "ab \"c d\" ";
  DataReader reader(line);
  std::size_t tokens = 0;
  while (reader.ReadDataLine()) ++tokens;
  EXPECT_EQ(tokens, 1000000u);
}

}  // namespace

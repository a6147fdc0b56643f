#include <gtest/gtest.h>

#include <string>

#include "core/win1252.h"

using namespace orsalimbra::core;

TEST(Win1252, DecodesTheHighHalfOfTheCodePage) {
  const struct {
    unsigned char byte;
    const char* utf8;
  } cases[] = {
      {0x41, "A"},
      {0x80, "\u20ac"},  // euro sign
      {0x81, "\u0081"},  // undefined: the C1 control of the same number
      {0x8A, "\u0160"},
      {0x8D, "\u008d"},
      {0x8F, "\u008f"},
      {0x90, "\u0090"},
      {0x93, "\u201c"},
      {0x9D, "\u009d"},
      {0x9F, "\u0178"},
      {0xA0, "\u00a0"},
      {0xB0, "\u00b0"},  // degree sign of the
                         // n-th weekday keys
      {0xEC, "\u00ec"},  // the i grave of "Luned\u00ec"
      {0xFF, "\u00ff"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeWin1252(std::string(1, static_cast<char>(c.byte))), c.utf8) << int(c.byte);
  }
  EXPECT_EQ(DecodeWin1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Win1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const EncodeResult encoded = EncodeWin1252(DecodeWin1252(all));
  EXPECT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.bytes, all);
}

TEST(Win1252, ReportsEachCharacterItCannotHoldWithItsPlace) {
  // Line 2 follows CR LF, line 3 a lone CR, line 4 a lone LF.
  const std::string text = "ab\xe2\x82\xac\r\nx\xe4\xb8\xad\ry\rz\xf0\x9f\x98\x80!";
  const EncodeResult encoded = EncodeWin1252(text);
  ASSERT_EQ(encoded.problems.size(), 2u);
  EXPECT_EQ(encoded.problems[0].character, U'\u4e2d');
  EXPECT_FALSE(encoded.problems[0].malformed);
  EXPECT_EQ(encoded.problems[0].line, 2u);
  EXPECT_EQ(encoded.problems[0].column, 2u);
  EXPECT_EQ(encoded.problems[0].offset, 8u);
  EXPECT_EQ(encoded.problems[1].character, U'\U0001F600');
  EXPECT_EQ(encoded.problems[1].line, 4u);
  EXPECT_EQ(encoded.problems[1].column, 2u);
  EXPECT_EQ(encoded.bytes, "ab\x80\r\nx\ry\rz!");
  // C1 controls other than the five undefined bytes have no byte.
  EXPECT_FALSE(EncodeWin1252("\u0080").ok());
}

TEST(Win1252, ReportsMalformedUtf8WithoutStopping) {
  const struct {
    const char* name;
    std::string text;
    std::size_t problems;
  } cases[] = {
      {"stray continuation byte",
       "a\x80"
       "b",
       1},
      {"truncated at the end", "a\xe2\x82", 1},
      {"truncated before ASCII", "\xe2\x82z", 1},
      {"overlong slash", "\xc0\xaf", 2},
      {"overlong three bytes", "\xe0\x80\xaf", 3},
      {"surrogate", "\xed\xa0\x80", 3},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80", 4},
      {"invalid lead byte", "\xff", 1},
  };
  for (const auto& c : cases) {
    const EncodeResult encoded = EncodeWin1252(c.text);
    EXPECT_EQ(encoded.problems.size(), c.problems) << c.name;
    for (const auto& p : encoded.problems) {
      EXPECT_TRUE(p.malformed) << c.name;
      EXPECT_EQ(p.line, 1u) << c.name;
    }
  }
  const EncodeResult truncated = EncodeWin1252("\xe2\x82z");
  EXPECT_EQ(truncated.bytes, "z");
  EXPECT_EQ(truncated.problems[0].column, 1u);
}

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "session/settings_codec.h"
#include "session/settings_keys.h"

namespace {

using namespace orsalimbra::session;

struct BoolCase {
  const char* text;
  std::optional<bool> expected;
};

TEST(SettingsCodec, BooleansReadWordsInAnyCaseAndNumbers) {
  const BoolCase cases[] = {
      {"True", true},
      {"False", false},
      {"TRUE", true},
      {"false", false},
      {"tRuE", true},
      {" True ", true},
      {"0", false},
      {"-1", true},
      {"1", true},
      {"2", true},
      {"-0", false},
      {"+7", true},
      {"000", false},
      {"0.0", false},
      {"0.5", true},
      {".5", true},
      {"99999999999999999999999", true},
      {"maybe", {}},
      {"", {}},
      {"   ", {}},
      {"-", {}},
      {".", {}},
      {"1.2.3", {}},
      {"1e3", {}},
      {"Yes", {}},
      {"Truex", {}},
      {"1 0", {}},
  };
  for (const BoolCase& c : cases) {
    EXPECT_EQ(ParseBool(QString::fromLatin1(c.text)), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(FormatBool(true), "True");
  EXPECT_EQ(FormatBool(false), "False");
}

struct IntCase {
  const char* text;
  std::optional<std::int64_t> expected;
};

TEST(SettingsCodec, IntegersAreStrictDecimal) {
  const IntCase cases[] = {
      {"0", 0},
      {"12", 12},
      {" 12 ", 12},
      {"+5", 5},
      {"-3", -3},
      {"007", 7},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"9223372036854775808", {}},
      {"-9223372036854775809", {}},
      {"", {}},
      {"+", {}},
      {"1.5", {}},
      {"1e2", {}},
      {"0x10", {}},
      {"&H10", {}},
      {"1 000", {}},
      {"12a", {}},
      {"x", {}},
      {"\xd9\xa3", {}},  // ARABIC-INDIC DIGIT THREE is no ASCII digit
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(ParseInt64(QString::fromUtf8(c.text)), c.expected) << '"' << c.text << '"';
  }
}

TEST(SettingsCodec, NarrowIntegersFailOutsideTheirTypeInsteadOfWrapping) {
  EXPECT_EQ(ParseInt(QStringLiteral("2147483647")), 2147483647);
  EXPECT_EQ(ParseInt(QStringLiteral("2147483648")), std::nullopt);
  EXPECT_EQ(ParseInt(QStringLiteral("-2147483648")), std::numeric_limits<int>::min());
  EXPECT_EQ(ParseInt16(QStringLiteral("32767")), std::int16_t{32767});
  EXPECT_EQ(ParseInt16(QStringLiteral("-32768")), std::int16_t{-32768});
  EXPECT_EQ(ParseInt16(QStringLiteral("32768")), std::nullopt);
  EXPECT_EQ(ParseInt16(QStringLiteral("65537")), std::nullopt);
  EXPECT_EQ(ParseInt64(FormatInt(-42)), -42);
}

TEST(SettingsCodec, ColoursAreTheDecimal24BitNumber) {
  using orsalimbra::render::Rgb;
  EXPECT_EQ(FormatColour(Rgb(255, 210, 30)), "2020095");
  EXPECT_EQ(FormatColour(Rgb(0, 0, 0)), "0");
  EXPECT_EQ(FormatColour(Rgb(255, 255, 255)), "16777215");
  for (const auto colour : {Rgb(255, 210, 30), Rgb(0, 0, 255), Rgb(1, 2, 3), Rgb(255, 255, 255)}) {
    EXPECT_EQ(ParseColour(FormatColour(colour)), colour);
  }
  // Bits above the 24 colour bits are not written.
  EXPECT_EQ(FormatColour(0xFF000001u), "1");

  EXPECT_EQ(ParseColour(QStringLiteral("16777216")), std::nullopt);
  EXPECT_EQ(ParseColour(QStringLiteral("-1")), std::nullopt);
  EXPECT_EQ(ParseColour(QStringLiteral("red")), std::nullopt);
  EXPECT_EQ(ParseColour(QString()), std::nullopt);
}

TEST(SettingsCodec, PageKeysCarryTheIndexWithTwoDigits) {
  EXPECT_EQ(keys::PhotoKey(0), "Foto00");
  EXPECT_EQ(keys::PhotoKey(7), "Foto07");
  EXPECT_EQ(keys::NoteKey(12), "Nota12");
}

}  // namespace

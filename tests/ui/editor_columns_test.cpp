#include "ui/editor_columns.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/editor_font_size.h"

namespace orsalimbra::ui {
namespace {

TEST(EditorColumns, FillsEachLineToTheTableWidth) {
  struct Case {
    const char* name;
    int entries;
    int lineLength;
    int filled;
  };
  const Case cases[] = {
      {"three entries", 3, 11, 78},    {"exactly full", 3, 78, 78},   {"one over", 3, 79, 98},
      {"fills a column", 3, 98, 98},   {"spills again", 3, 99, 118},  {"no entries", 0, 5, 18},
      {"no entries, long", 0, 19, 38}, {"negative count", -4, 0, 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FilledLength(c.lineLength, c.entries), c.filled);
    EXPECT_EQ((c.filled + 2) % kEditorColumn, 0);
  }
}

TEST(EditorColumns, ShowsTheThreeEntryTableWithCrLfColumns) {
  const QString text = FillColumns({"[1] Gennaio   ", "", "<MESI>"}, 3);
  const QStringList lines = text.split(u'\n');
  ASSERT_EQ(lines.size(), 4);  // three lines, each ended by a break
  EXPECT_EQ(lines[0], QStringLiteral("[1] Gennaio") + QString(67, u' '));
  EXPECT_EQ(lines[1], QString(78, u' '));
  EXPECT_EQ(lines[2].size(), 78);
  EXPECT_TRUE(lines[3].isEmpty());
  // In the file every line is then 80 characters long with its CR LF.
  EXPECT_EQ(ToFileText(text).size(), 3 * 80);
}

TEST(EditorColumns, KeepsALongLineWholeAndOnItsOwn) {
  const QString longLine = QString(30, u'x') + QStringLiteral(" end");
  const QStringList lines = FillColumns({longLine, "next"}, 0).split(u'\n');
  EXPECT_EQ(lines[0], longLine + QString(4, u' '));  // 34 -> 38
  EXPECT_EQ(lines[1], QStringLiteral("next") + QString(14, u' '));
}

TEST(EditorColumns, StripsOnlyTrailingBlanks) {
  const QStringList lines = FillColumns({"  a\t  "}, 0).split(u'\n');
  EXPECT_EQ(lines[0], QStringLiteral("  a\t") + QString(14, u' '));
}

TEST(EditorColumns, SplitsOnEveryKindOfLineBreak) {
  EXPECT_EQ(SplitFileLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
  EXPECT_EQ(SplitFileLines("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
  EXPECT_EQ(SplitFileLines(""), QStringList());
  EXPECT_EQ(ToEditorText("a\r\nb\rc"), QStringLiteral("a\nb\nc"));
  EXPECT_EQ(ToEditorText("a\r\n"), QStringLiteral("a\n"));
  EXPECT_EQ(ToFileText("a\nb\n"), QStringLiteral("a\r\nb\r\n"));
}

// The document the editor holds for a filled file: its lines and the empty
// line after the last break.
std::vector<int> Lengths(const QString& editorText) {
  std::vector<int> lengths;
  for (const QString& line : editorText.split(u'\n')) lengths.push_back(int(line.size()));
  return lengths;
}

TEST(EditorColumns, TabVisitsTheEntryColumnsThenTheNextLine) {
  const std::vector<int> lines = Lengths(FillColumns({"[1] Gennaio", "[2] Febbraio"}, 3));
  TextCaret caret{0, 0};
  const TextCaret expected[] = {{0, 20}, {0, 40}, {0, 60}, {1, 0}, {1, 20}};
  for (const TextCaret& stop : expected) {
    caret = NextTabStop(lines, caret);
    EXPECT_EQ(caret, stop) << caret.line << ":" << caret.column;
  }
  // From inside a column, and from the end of a line.
  EXPECT_EQ(NextTabStop(lines, {1, 27}), (TextCaret{1, 40}));
  EXPECT_EQ(NextTabStop(lines, {0, 78}), (TextCaret{1, 0}));
}

TEST(EditorColumns, TabWithoutEntriesGoesFromLineStartToLineStart) {
  const std::vector<int> lines = Lengths(FillColumns({"a", "b", "c"}, 0));
  EXPECT_EQ(NextTabStop(lines, {0, 0}), (TextCaret{1, 0}));
  EXPECT_EQ(NextTabStop(lines, {1, 5}), (TextCaret{2, 0}));
  // The last break leads to the empty line at the end, which stays put.
  EXPECT_EQ(NextTabStop(lines, {2, 0}), (TextCaret{3, 0}));
  EXPECT_EQ(NextTabStop(lines, {3, 0}), (TextCaret{3, 0}));
}

TEST(EditorColumns, TabStopsStayOnColumnsAfterALongLine) {
  const std::vector<int> lines = Lengths(FillColumns({QString(85, u'x'), "[3]"}, 3));
  EXPECT_EQ(lines[0], 98);
  EXPECT_EQ(NextTabStop(lines, {0, 60}), (TextCaret{0, 80}));
  EXPECT_EQ(NextTabStop(lines, {0, 80}), (TextCaret{1, 0}));
  EXPECT_EQ(NextTabStop(lines, {1, 0}), (TextCaret{1, 20}));
}

TEST(EditorColumns, TabCountsBreaksAsTwoCharactersOnUnfilledText) {
  // Text loaded from the backup is shown as it is, without filling.
  const std::vector<int> lines = {5, 30, 0, 3};
  // Line 1 starts at 7: its stops are at columns 13 and 33 (past its end).
  EXPECT_EQ(NextTabStop(lines, {0, 0}), (TextCaret{1, 13}));
  // Line 1 ends with its break at 37 and 38; the empty line 2 has its CR at
  // 39 and its LF at 40, so stop 40 moves on to line 3.
  EXPECT_EQ(NextTabStop(lines, {1, 13}), (TextCaret{3, 0}));
  EXPECT_EQ(NextTabStop(lines, {3, 0}), (TextCaret{3, 3}));
  // A stop falling between the CR and the LF moves on to the next line.
  const std::vector<int> odd = {19, 4};
  EXPECT_EQ(NextTabStop(odd, {0, 0}), (TextCaret{1, 0}));
  EXPECT_EQ(NextTabStop(std::vector<int>{}, {0, 0}), (TextCaret{0, 0}));
}

TEST(EditorColumns, EnterGoesToTheStartOfTheNextLine) {
  const std::vector<int> lines = {78, 78, 0};
  EXPECT_EQ(NextLineStart(lines, {0, 33}), (TextCaret{1, 0}));
  EXPECT_EQ(NextLineStart(lines, {1, 78}), (TextCaret{2, 0}));
  EXPECT_EQ(NextLineStart(lines, {2, 0}), (TextCaret{2, 0}));
  EXPECT_EQ(NextLineStart(std::vector<int>{7}, {0, 2}), (TextCaret{0, 7}));
}

TEST(EditorFontSize, StaysWithinNineToSixteen) {
  EditorFontSize size = EditorFontSize::Bounded(15);
  EXPECT_TRUE(size.Enlarge());
  EXPECT_EQ(size.points(), 16);
  EXPECT_FALSE(size.Enlarge());
  EXPECT_EQ(size.SettingText(), "16");
  size = EditorFontSize::Bounded(10);
  EXPECT_TRUE(size.Reduce());
  EXPECT_FALSE(size.Reduce());
  EXPECT_EQ(size.points(), 9);
  EXPECT_EQ(EditorFontSize::Bounded(12).points(), 12);
  EXPECT_EQ(EditorFontSize::Bounded(40).points(), 16);
  EXPECT_EQ(EditorFontSize::Bounded(-1).points(), 9);
}

}  // namespace
}  // namespace orsalimbra::ui

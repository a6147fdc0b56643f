#include "core/row_widths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orsalimbra::core {
namespace {

// "line section key items" of each row listed, for comparing in one go.
std::vector<std::string> Listed(const RowWidthCheck& check) {
  std::vector<std::string> rows;
  for (const RowWidth& row : check.uneven) {
    rows.push_back(std::to_string(row.line) + " " + row.section + " [" + row.key + "] " +
                   std::to_string(row.items));
  }
  return rows;
}

TEST(RowWidths, NamesTheRowsWhoseItemsDoNotMatchTheList) {
  struct Case {
    const char* name;
    const char* file;
    int entries;
    std::vector<std::string> uneven;
  };
  const Case cases[] = {
      {"every row as wide as the list",
       "<LINGUE>\r\nIt En\r\n<TITOLI>\r\nCalendario #Calendar\r\n<MESI>\r\n[1] Gennaio January\r\n",
       2,
       {}},
      {"a title typed without quotes",
       "<LINGUE>\r\nIt En\r\n<TITOLI>\r\nCalendario di casa #Calendar\r\n",
       2,
       {"4 TITOLI [] 4"}},
      {"an item short, and a row spread over lines that is whole",
       "<PAESI>\r\nIt En De\r\n<MESI>\r\n[1] Gennaio\r\n  January\r\n  Januar\r\n[2] Febbraio "
       "February\r\n",
       3,
       {"7 MESI [2] 2"}},
      {"holidays, weekdays and substitute words count; quotes make one item",
       "<LINGUE>\r\nIt En\r\n<GIORNI>\r\n[1] Lun Mon Extra\r\n<FESTE>\r\n[25/12] Natale "
       "\"Christmas Day\"\r\n[26/12] Santo Stefano Boxing\r\n<SOSTITUTIVI>\r\n(sost.)\r\n",
       2,
       {"4 GIORNI [1] 3", "7 FESTE [26/12] 3", "9 SOSTITUTIVI [] 1"}},
      {"a key without items shifts nothing",
       "<LINGUE>\r\nIt En\r\n<MESI>\r\n[1]\r\n[2] Febbraio February\r\n",
       2,
       {}},
      {"sections of notes and pictures are not rows of entries",
       "<LINGUE>\r\nIt En\r\n<NOTE>\r\nfree text of any width\r\n<FOTO>\r\n[1] neve.jpg <a> "
       "[b] c\r\n<MESI>\r\n[1] Gennaio January\r\n",
       2,
       {}},
      {"a later list replaces the earlier",
       "<LINGUE>\r\nIt En\r\n<PAESI>\r\nIt En De\r\n<TITOLI>\r\nA B\r\n",
       3,
       {"6 TITOLI [] 2"}},
      {"no list: nothing to compare with", "<TITOLI>\r\nA B C\r\n", 0, {}},
      {"blank lines count in line numbers",
       "<LINGUE>\r\n\r\nIt En\r\n\r\n<TITOLI>\r\n\r\nA\r\n",
       2,
       {"7 TITOLI [] 1"}},
  };
  for (const Case& c : cases) {
    const RowWidthCheck check = CheckRowWidths(c.file);
    EXPECT_EQ(check.entries, c.entries) << c.name;
    EXPECT_EQ(Listed(check), c.uneven) << c.name;
  }
}

TEST(RowWidths, TheShippedDataFileHasNoUnevenRow) {
  std::ifstream in(ORSALIMBRA_SOURCE_DIR "/data/Orsalimbra.ini", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const RowWidthCheck check = CheckRowWidths(bytes);
  EXPECT_GE(check.entries, 10);
  EXPECT_EQ(Listed(check), std::vector<std::string>{});
}

}  // namespace
}  // namespace orsalimbra::core

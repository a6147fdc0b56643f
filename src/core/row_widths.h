// The rows of a data file whose number of items differs from the number of
// list entries. A row gives one item per entry in list order, so a word
// typed without quotes ("Festa della Repubblica" written bare is three
// items) shifts every later item of its row to the next entry, and a word
// too few shifts them back. The reader cannot tell; the editor asks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orsalimbra::core {

struct RowWidth {
  int line = 0;         // line of the row's first item, from 1
  std::string section;  // the section's name in upper case, e.g. "MESI"
  std::string key;      // the row's key ("3", "25/12"); empty for a keyless row
  int items = 0;
};

struct RowWidthCheck {
  // Items of the list section (the last one, as the reader takes it); 0
  // when the file has none, and then no row is checked.
  int entries = 0;
  // In file order. Only the sections with one item per entry count (titles,
  // months, weekdays, holidays, substitute-day words); a row without items
  // shifts nothing and is not listed.
  std::vector<RowWidth> uneven;
};

// `fileBytes` is the data file in Windows-1252.
RowWidthCheck CheckRowWidths(std::string_view fileBytes);

}  // namespace orsalimbra::core

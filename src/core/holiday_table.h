// The holiday table of the year model: the holiday rows of the chosen entry,
// in file order, turned into dated entries for one year.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/holiday_rules.h"

namespace orsalimbra::core {

struct HolidayEntry {
  std::string date;  // "dd/mm/yyyy"; for a classic rule whatever text it gives
  std::string name;
};

class HolidayTable {
 public:
  // A row of the holiday section for the chosen entry. `name` must stay
  // valid until the table is built.
  void Add(const HolidayRule& rule, std::string_view name);

  struct Built {
    std::size_t count = 0;              // entries of the year, stored or not
    std::vector<HolidayEntry> entries;  // the first `maxStored` of them
  };

  // The entries of `year`, row by row. A classic row gives its date of the
  // year and, with `neighbours` (the semester layout, which also shows
  // December of the year before and January of the year after), a copy for
  // the neighbouring year when its month text is "01" or "12". An extended
  // row gives every day from its rules of the year and of both neighbouring
  // years that falls in the months shown: the year, and with `neighbours`
  // that December and January too. Substitute days follow their holiday, named
  // after it with `marker` appended (when not empty).
  Built Build(int year, bool neighbours, std::string_view marker, std::size_t maxStored) const;

 private:
  // A file may have very many rows: a classic one keeps only its key.
  struct Row {
    std::string_view key;
    std::string_view name;
    int extended;  // index in extended_, -1 for a classic rule
  };
  const HolidayRule* Extended(const Row& row) const {
    return row.extended < 0 ? nullptr : &extended_[static_cast<std::size_t>(row.extended)];
  }
  std::vector<Row> rows_;
  std::vector<HolidayRule> extended_;
};

}  // namespace orsalimbra::core

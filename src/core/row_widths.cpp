#include "core/row_widths.h"

#include <climits>

#include "core/data_reader.h"

namespace orsalimbra::core {

namespace {

bool HasItemPerEntry(DataSection section) {
  switch (section) {
    case DataSection::Titles:
    case DataSection::Months:
    case DataSection::Weekdays:
    case DataSection::Holidays:
    case DataSection::SubstituteMarkers:
      return true;
    default:
      return false;
  }
}

}  // namespace

RowWidthCheck CheckRowWidths(std::string_view fileBytes) {
  RowWidthCheck check;
  std::vector<RowWidth> rows;
  DataReader reader(fileBytes);
  DataSection section = DataSection::Other;
  std::string sectionName;
  std::string key;
  bool inRow = false;  // the current header opened a row of a checked section
  int listItems = 0;

  while (reader.ReadDataLine()) {
    const std::string_view token = reader.DataToken();
    switch (KindOf(token)) {
      case TokenKind::Section:
        sectionName = SectionNameOf(token);
        section = DataSectionOf(sectionName);
        key.clear();
        inRow = false;
        // A later list replaces the earlier one, as in the reader.
        if (section == DataSection::Languages || section == DataSection::Countries) {
          listItems = 0;
        }
        break;
      case TokenKind::Key:
        key = KeyOf(token);
        inRow = false;
        break;
      case TokenKind::Item:
        if (section == DataSection::Languages || section == DataSection::Countries) {
          if (listItems < INT_MAX) ++listItems;
        } else if (section == DataSection::Pictures) {
          // The rest of a picture row's line is its note, whatever it holds.
          reader.ClearDataLine();
        } else if (HasItemPerEntry(section)) {
          if (!inRow) {
            rows.push_back({reader.DataLineNumber(), sectionName, key, 0});
            inRow = true;
          }
          if (rows.back().items < INT_MAX) ++rows.back().items;
        }
        break;
    }
  }

  check.entries = listItems;
  if (listItems == 0) return check;
  for (RowWidth& row : rows) {
    if (row.items != listItems) check.uneven.push_back(std::move(row));
  }
  return check;
}

}  // namespace orsalimbra::core

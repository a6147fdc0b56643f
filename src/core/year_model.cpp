#include "core/year_model.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>

#include "core/data_reader.h"
#include "core/holiday_rules.h"
#include "core/holiday_table.h"
#include "core/leading_number.h"
#include "core/utf8.h"

namespace orsalimbra::core {

namespace {

using Section = DataSection;

// The item as taken: one over its cap is read as junk, an empty name or
// title, or "-" (no holiday) in the holiday section. Picture rows check
// their file name and note themselves.
std::string_view WithinCap(Section section, std::string_view item) {
  if (section == Section::Pictures || item.size() <= kMaxNameBytes) return item;
  return section == Section::Holidays ? std::string_view("-") : std::string_view();
}

// One reading of the data file into the year model. It keeps the reader state
// of one run: the section, the key and its number and rule, the item count
// and the chosen entry's holiday rows.
class DataFileLoad {
 public:
  DataFileLoad(const YearInputs& inputs, YearLoad& load)
      : inputs_(inputs), load_(load), model_(load.model) {}

  void Run(std::string_view fileBytes) {
    DataReader reader(fileBytes);
    model_.HolidayDates.assign(1, std::string());
    model_.HolidayNames.assign(1, std::string());
    model_.HolidayCount = 1;

    while (reader.ReadDataLine()) {
      const std::string_view token = reader.DataToken();
      switch (KindOf(token)) {
        case TokenKind::Section:
          section_ = DataSectionOf(SectionNameOf(token));
          key_ = {};
          keyNumber_ = 0;
          rule_ = ParseHolidayRule(key_);  // the rule of the empty key
          count_ = 0;
          break;
        case TokenKind::Key:
          key_ = KeyOf(token);
          keyNumber_ = LeadingNumber(key_).value_or(0);
          rule_ = ParseHolidayRule(key_);
          count_ = 0;
          break;
        case TokenKind::Item:
          HandleItem(token, reader);
          if (count_ < INT_MAX) ++count_;
          break;
      }
    }

    if (titleSectionSeen_) {
      titles_.resize(titleSize_);
      model_.TitleList = std::move(titles_);
    }
    if (holidaySectionSeen_) {
      const HolidayTable::Built built =
          holidays_.Build(model_.CalendarYear, inputs_.layoutType == LayoutCode::Semester, marker_,
                          kMaxStoredHolidays);
      model_.HolidayCount = static_cast<int>(std::min<std::size_t>(built.count, INT_MAX));
      model_.HolidayDates.clear();
      model_.HolidayNames.clear();
      for (const HolidayEntry& entry : built.entries) {
        model_.HolidayDates.push_back(entry.date);
        model_.HolidayNames.push_back(entry.name);
      }
    }
  }

 private:
  void HandleItem(std::string_view item, DataReader& reader) {
    const std::string_view t = WithinCap(section_, item);
    const bool chosen = count_ == model_.LanguageIndex;
    switch (section_) {
      case Section::Languages:
        AddListEntry("Lingua", t);
        break;
      case Section::Countries:
        AddListEntry("Paese", t);
        break;
      case Section::Titles:
        AddTitle(t);
        break;
      case Section::Months:
        if (chosen && keyNumber_ >= 0 && keyNumber_ <= 12) model_.PageName[keyNumber_] = t;
        break;
      case Section::Weekdays:
        if (chosen && keyNumber_ >= 1 && keyNumber_ <= 7) {
          model_.DayNames[keyNumber_ - 1] = Characters(t, 0, 3);
        }
        break;
      case Section::Holidays:
        holidaySectionSeen_ = true;
        if (chosen && !Suppressed(t)) holidays_.Add(rule_, t);
        break;
      case Section::SubstituteMarkers:
        if (chosen) marker_ = Suppressed(t) ? std::string_view() : t;
        break;
      case Section::Pictures:
        if (!inputs_.userPhotosSet) ApplyPictureRow(t, reader);
        break;
      case Section::Other:
        break;
    }
  }

  void AddListEntry(const char* label, std::string_view name) {
    model_.entryLabel = label;
    if (count_ == 0) {
      model_.entries.clear();
      model_.selectedEntry = -1;
    }
    model_.entries.emplace_back(name);
  }

  // The title list is sized by the list read so far. Titles since the last
  // header are the consecutive counts 0, 1, ..., so they are collected in
  // order and the list of EntryCount + 1 titles is built once at the end;
  // a file that restarts the title section many times stays linear.
  void AddTitle(std::string_view title) {
    if (count_ == 0) {
      const std::size_t entries = model_.entries.size();
      model_.EntryCount = entries > INT_MAX - 1 ? INT_MAX - 1 : static_cast<int>(entries);
      titleSectionSeen_ = true;
      titleSize_ = static_cast<std::size_t>(model_.EntryCount) + 1;
      titles_.clear();
      // A stored choice from a longer list falls back to the first entry.
      if (model_.LanguageIndex >= model_.EntryCount || model_.LanguageIndex < 0) {
        model_.LanguageIndex = 0;
      }
      model_.selectedEntry = model_.LanguageIndex < model_.EntryCount ? model_.LanguageIndex : -1;
    }
    if (static_cast<std::size_t>(count_) < titleSize_) titles_.emplace_back(title);
    if (count_ == model_.LanguageIndex) model_.CurrentTitle = title;
  }

  // An item beginning with "-": the entry has no such holiday (or marker).
  static bool Suppressed(std::string_view t) { return !t.empty() && t.front() == '-'; }

  // A picture row: the item is the file name, the rest of its line the note.
  // The row always uses up its line.
  void ApplyPictureRow(std::string_view name, DataReader& reader) {
    std::string_view note = reader.DataLine();
    reader.ClearDataLine();
    if (keyNumber_ < 0 || keyNumber_ > 12) return;
    if (name.size() > kMaxPathBytes || note.size() > kMaxNoteBytes) return;
    if (!note.empty() && note.front() == '"') {
      // Without the opening quote and the last character, whatever it is; a
      // lone quote leaves nothing.
      note = WithoutLastCharacter(note.substr(1));
    }
    const bool fullPath = name.find_first_of("\\/") != std::string_view::npos;
    std::string path = fullPath ? std::string(name) : BarePicture(name);
    const int k = keyNumber_;
    model_.PhotoPaths[k] = path;
    model_.PhotoNotes[k] = note;
    load_.settingsWrites.push_back({"Foto" + Padded(k, 2), std::move(path)});
    load_.settingsWrites.push_back({"Nota" + Padded(k, 2), std::string(note)});
  }

  // A picture named without a folder: the program folder's file, else the
  // user's folder's; when neither exists, the program folder's name, as a
  // picture that is missing there.
  std::string BarePicture(std::string_view name) const {
    std::string inProgram = inputs_.programFolder + "/" + std::string(name);
    if (inputs_.userFolder.empty() || !inputs_.fileExists || inputs_.fileExists(inProgram)) {
      return inProgram;
    }
    std::string inUser = inputs_.userFolder + "/" + std::string(name);
    return inputs_.fileExists(inUser) ? inUser : inProgram;
  }

  const YearInputs& inputs_;
  YearLoad& load_;
  YearModel& model_;

  Section section_ = Section::Other;  // before the first header: no section
  std::string_view key_;              // points into the reader's text
  int keyNumber_ = 0;
  HolidayRule rule_ = ParseHolidayRule({});
  int count_ = 0;

  // The holiday rows of the chosen entry; the table is built when the whole
  // file is read, since a substitute day depends on every holiday.
  bool holidaySectionSeen_ = false;
  HolidayTable holidays_;
  std::string_view marker_;  // appended to substitute days' names

  bool titleSectionSeen_ = false;
  std::size_t titleSize_ = 0;
  std::vector<std::string> titles_;
};

}  // namespace

std::optional<int> YearOfText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 9999) return std::nullopt;
  }
  if (value < 100) return std::nullopt;
  return value;
}

YearLoad LoadYearData(const YearModel& previous, const YearInputs& inputs) {
  YearLoad load{previous, {}};
  YearModel& model = load.model;

  const std::optional<int> year = YearOfText(inputs.yearText);
  if (year) {
    model.MonthStart = std::chrono::year{*year} / 1 / 1;
    model.CalendarYear = *year;
  }
  model.MonthDays = MonthLengthsOf(model.CalendarYear);

  if (year && inputs.fileBytes) DataFileLoad(inputs, load).Run(*inputs.fileBytes);
  model.PersonalDates =
      PersonalDatesIn(inputs.personalDates, PersonalDateRange(model.CalendarYear));

  const auto exists = [&](const std::string& path) {
    return !path.empty() && inputs.fileExists && inputs.fileExists(path);
  };
  model.firstMonthPhoto = 0;
  for (int m = 1; m <= 12 && model.firstMonthPhoto == 0; ++m) {
    if (exists(model.PhotoPaths[m])) model.firstMonthPhoto = m;
  }
  model.NoMonthPhotos = model.firstMonthPhoto == 0;
  model.HasCoverPhoto = exists(model.PhotoPaths[0]);
  return load;
}

}  // namespace orsalimbra::core

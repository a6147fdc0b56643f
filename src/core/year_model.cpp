#include "core/year_model.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>

#include "core/data_reader.h"
#include "core/leading_number.h"

namespace orsalimbra::core {

namespace {

enum class HolidayRule { FixedDate, EasterOffset, NthWeekday };

enum class Section { Other, Languages, Countries, Titles, Months, Weekdays, Holidays, Pictures };

Section SectionOf(const std::string& name) {
  if (name == "LINGUA" || name == "LINGUE") return Section::Languages;
  if (name == "PAESE" || name == "PAESI") return Section::Countries;
  if (name == "TITOLO" || name == "TITOLI") return Section::Titles;
  if (name == "MESI") return Section::Months;
  if (name == "GIORNI") return Section::Weekdays;
  if (name == "FESTE") return Section::Holidays;
  if (name == "FOTO") return Section::Pictures;
  return Section::Other;
}

// Whether a byte of UTF-8 text begins a character (is no continuation byte).
bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Byte offset of character `index` (from 0) of UTF-8 `text`, or its size when
// the text is shorter.
std::size_t OffsetOfCharacter(std::string_view text, std::size_t index) {
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if (StartsCharacter(text[i]) && index-- == 0) return i;
  }
  return i;
}

// `text` without its last character (of however many bytes).
std::string_view WithoutLastCharacter(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && !StartsCharacter(text[end - 1])) --end;
  return text.substr(0, end > 0 ? end - 1 : 0);
}

// Characters `from` .. `from + count - 1` (from 0) of UTF-8 text.
std::string_view Characters(std::string_view text, std::size_t from,
                            std::size_t count = std::string_view::npos) {
  text = text.substr(OffsetOfCharacter(text, from));
  return count == std::string_view::npos ? text : text.substr(0, OffsetOfCharacter(text, count));
}

constexpr std::string_view kDegreeSign = "\u00b0";

// The item as taken: one over its cap is read as junk, an empty name or
// title, or "-" (no holiday) in the holiday section. Picture rows check
// their file name and note themselves.
std::string_view WithinCap(Section section, std::string_view item) {
  if (section == Section::Pictures || item.size() <= kMaxNameBytes) return item;
  return section == Section::Holidays ? std::string_view("-") : std::string_view();
}

// One reading of the data file into the year model. It keeps the reader state
// of one run: the section, the key and its number and rule, the item count
// and the holiday write position.
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
          section_ = SectionOf(SectionNameOf(token));
          key_ = {};
          keyNumber_ = 0;
          rule_ = HolidayRule::FixedDate;  // the rule of the empty key
          count_ = 0;
          break;
        case TokenKind::Key:
          key_ = KeyOf(token);
          keyNumber_ = LeadingNumber(key_).value_or(0);
          if (!key_.empty() && (key_.front() == '+' || key_.front() == '-')) {
            rule_ = HolidayRule::EasterOffset;
          } else if (Characters(key_, 1, 1) == kDegreeSign) {
            rule_ = HolidayRule::NthWeekday;
          } else {
            rule_ = HolidayRule::FixedDate;
          }
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
    if (h_ > 0) {
      model_.HolidayCount = h_ - 1;
      const std::size_t stored = std::min(model_.HolidayCount, kMaxStoredHolidays);
      model_.HolidayDates.resize(stored);
      model_.HolidayNames.resize(stored);
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
        if (h_ == 0) {
          model_.HolidayDates.assign(kMaxStoredHolidays, std::string());
          model_.HolidayNames.assign(kMaxStoredHolidays, std::string());
          h_ = 1;
        }
        if (chosen && (t.empty() || t.front() != '-')) AddHoliday(t);
        break;
      case Section::Pictures:
        if (!inputs_.userPhotosSet) ApplyPictureRow(t, reader);
        break;
      case Section::Other:
        break;
    }
  }

  void AddListEntry(const char* label, std::string_view name) {
    model_.EntryLabel = label;
    if (count_ == 0) {
      model_.Entries.clear();
      model_.SelectedEntry = -1;
    }
    model_.Entries.emplace_back(name);
  }

  // The title list is sized by the list read so far. Titles since the last
  // header are the consecutive counts 0, 1, ..., so they are collected in
  // order and the list of EntryCount + 1 titles is built once at the end;
  // a file that restarts the title section many times stays linear.
  void AddTitle(std::string_view title) {
    if (count_ == 0) {
      const std::size_t entries = model_.Entries.size();
      model_.EntryCount = entries > INT_MAX - 1 ? INT_MAX - 1 : static_cast<int>(entries);
      titleSectionSeen_ = true;
      titleSize_ = static_cast<std::size_t>(model_.EntryCount) + 1;
      titles_.clear();
      // A stored choice from a longer list falls back to the first entry.
      if (model_.LanguageIndex >= model_.EntryCount || model_.LanguageIndex < 0) {
        model_.LanguageIndex = 0;
      }
      model_.SelectedEntry = model_.LanguageIndex < model_.EntryCount ? model_.LanguageIndex : -1;
    }
    if (static_cast<std::size_t>(count_) < titleSize_) titles_.emplace_back(title);
    if (count_ == model_.LanguageIndex) model_.CurrentTitle = title;
  }

  // Only the first kMaxStoredHolidays entries hold a date and a name.
  bool Stored() const { return h_ <= kMaxStoredHolidays; }
  void SetHolidayDate(int year) {
    if (Stored()) model_.HolidayDates[h_ - 1] = HolidayDate(year);
  }
  void NameHolidayAndAdvance(std::string_view name) {
    if (Stored()) model_.HolidayNames[h_ - 1] = name;
    if (h_ < INT_MAX) ++h_;
  }

  // The date of the current key's holiday in `year`; empty when the rule
  // gives none.
  std::string HolidayDate(int year) const {
    switch (rule_) {
      case HolidayRule::FixedDate:
        return std::string(key_) + "/" + Padded(year, 4);
      case HolidayRule::EasterOffset:
        return Pasqua(year, keyNumber_).value_or("");
      case HolidayRule::NthWeekday: {
        const int weekday = LeadingNumber(Characters(key_, 2, 1)).value_or(0);
        const int month = LeadingNumber(Characters(key_, 4)).value_or(0);
        return NthDayMth(keyNumber_, weekday, month, year, MonthLengthsOf(year)).value_or("");
      }
    }
    return {};
  }

  // Stores holiday entry h for the current key. The semester pages also show
  // December of the year before and January of the year after, so there a
  // fixed date or an n-th weekday of January or December gets a second entry
  // for that year.
  void AddHoliday(std::string_view name) {
    const int year = model_.CalendarYear;
    SetHolidayDate(year);
    if (inputs_.layoutType == kLayoutSemester && rule_ != HolidayRule::EasterOffset) {
      const std::string_view month = Characters(key_, rule_ == HolidayRule::FixedDate ? 3 : 4);
      if (month == "01" || month == "12") {
        NameHolidayAndAdvance(name);
        SetHolidayDate(month == "01" ? year + 1 : year - 1);
      }
    }
    NameHolidayAndAdvance(name);
  }

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
    std::string path =
        fullPath ? std::string(name) : inputs_.programFolder + "/" + std::string(name);
    const int k = keyNumber_;
    model_.PhotoPaths[k] = path;
    model_.PhotoNotes[k] = note;
    load_.settingsWrites.push_back({"Foto" + Padded(k, 2), std::move(path)});
    load_.settingsWrites.push_back({"Nota" + Padded(k, 2), std::string(note)});
  }

  const YearInputs& inputs_;
  YearLoad& load_;
  YearModel& model_;

  Section section_ = Section::Other;  // before the first header: no section
  std::string_view key_;              // points into the reader's text
  int keyNumber_ = 0;
  HolidayRule rule_ = HolidayRule::FixedDate;
  int count_ = 0;
  int h_ = 0;

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

  const auto exists = [&](const std::string& path) {
    return !path.empty() && inputs.fileExists && inputs.fileExists(path);
  };
  model.FirstMonthPhoto = 0;
  for (int m = 1; m <= 12 && model.FirstMonthPhoto == 0; ++m) {
    if (exists(model.PhotoPaths[m])) model.FirstMonthPhoto = m;
  }
  model.NoMonthPhotos = model.FirstMonthPhoto == 0 ? 1 : 0;
  model.HasCoverPhoto = exists(model.PhotoPaths[0]);
  return load;
}

}  // namespace orsalimbra::core

// The year model: everything the page renderers need to know about the chosen
// year and the chosen language or country, built from the data file.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_rules.h"
#include "core/date_text.h"
#include "core/personal_date.h"

namespace orsalimbra::core {

// The page layout (the stored "Tipo"): half-year pages, or month pages with
// a weekly grid or a daily list. A stored number that names none of these is
// kept as it is (it prints nothing); a stored text that is no number is
// Invalid.
enum class LayoutCode : int { Invalid = -1, Semester = 0, Weekly = 1, Daily = 2 };

// Weekly or daily: one or two months to a page, a cover possible.
inline constexpr bool IsMonthLayout(LayoutCode layout) {
  return layout == LayoutCode::Weekly || layout == LayoutCode::Daily;
}

// At most this many holiday entries carry a date and a text.
inline constexpr int kMaxStoredHolidays = 100;

// Data-file items longer than these (in bytes of UTF-8) are no names,
// titles, notes or paths anybody wrote, and would only make pages slow to
// lay out: they count as junk. A name or a title becomes empty, a holiday
// text means no holiday, a picture row is ignored.
inline constexpr std::size_t kMaxNameBytes = 256;
inline constexpr std::size_t kMaxNoteBytes = 1000;
inline constexpr std::size_t kMaxPathBytes = 4096;

struct YearModel {
  // 1 January of the chosen year; the print jobs move it to the month they print.
  std::optional<std::chrono::year_month_day> MonthStart;
  int CalendarYear = 0;
  MonthLengths MonthDays{};
  // Page names: 0 the cover, 1..12 the months.
  std::array<std::string, 13> PageName{"Copertina"};
  // Weekday names, 0 = Monday .. 6 = Sunday, at most three characters each.
  std::array<std::string, 7> DayNames;
  // Title of each list entry, 0..EntryCount.
  std::vector<std::string> TitleList;
  std::string CurrentTitle;
  // Holiday entry k (1..HolidayCount) is element k - 1. Only the first
  // kMaxStoredHolidays entries are stored; later entries are empty and never
  // match a day.
  std::vector<std::string> HolidayDates;
  std::vector<std::string> HolidayNames;
  int HolidayCount = 0;
  // The user's own dates of PersonalDateRange(CalendarYear), sorted by day;
  // apart from the holidays, they never make a day red.
  std::vector<PersonalDate> PersonalDates;
  int EntryCount = 0;
  int LanguageIndex = 0;
  // Picture path and note per page, 0 = cover.
  std::array<std::string, 13> PhotoPaths;
  std::array<std::string, 13> PhotoNotes;
  bool NoMonthPhotos = true;  // no month picture: two months to a page
  bool HasCoverPhoto = false;
  // The first month (1..12) whose picture names an existing file, 0 for none:
  // the photo-layout buttons show its picture.
  int firstMonthPhoto = 0;

  // The selection list of the main window: entry names (without the leading
  // blank the list shows), the word of its label ("Lingua" or "Paese") and
  // the selected line (-1: none).
  std::vector<std::string> entries;
  std::string entryLabel = "Lingua";
  int selectedEntry = -1;
};

// What a build reads besides the previous model.
struct YearInputs {
  // The data file's bytes; empty when the file cannot be opened.
  std::optional<std::string> fileBytes;
  // The year box text: a year when, after trimming spaces, it is a whole
  // number from 100 to 9999 written with digits only.
  std::string yearText;
  LayoutCode layoutType = LayoutCode::Weekly;
  // "RegFoto": the data file's picture rows are not applied.
  bool userPhotosSet = false;
  // Folder of the program, without a trailing separator.
  std::string programFolder;
  // The user's own folder (where a user's copy of the data file lives),
  // without a trailing separator: a picture name without a folder that names
  // no file in the program folder is looked up there. Empty: none.
  std::string userFolder;
  // Whether a picture path names an existing file.
  std::function<bool(const std::string& path)> fileExists;
  // The dates of the user's calendar files, in any order and range.
  std::vector<PersonalDate> personalDates;
};

struct SettingsWrite {
  std::string key;
  std::string value;
};

struct YearLoad {
  YearModel model;
  // Settings writes to perform, in order ("Foto"/"Nota" pairs).
  std::vector<SettingsWrite> settingsWrites;
};

// Builds the year model from `previous` (whose values stay where the file
// supplies nothing) and `inputs`. MonthDays, the picture flags, the personal
// dates (those of `inputs` in the range of CalendarYear) and, for a valid
// year text, MonthStart and CalendarYear are always renewed. The file
// is read only with a valid year text and bytes to read; a read renews the
// holiday table completely, while names, titles and the entry list change
// only where the file supplies them. The settings writes are those of the
// picture rows, unless `userPhotosSet`.
YearLoad LoadYearData(const YearModel& previous, const YearInputs& inputs);

// The year of a year box text: after trimming spaces, a whole number from 100
// to 9999 written with digits only; empty for any other text.
std::optional<int> YearOfText(std::string_view text);

}  // namespace orsalimbra::core

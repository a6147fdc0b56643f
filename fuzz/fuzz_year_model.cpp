// libFuzzer target: arbitrary bytes as a holiday key and as the data file,
// through the key parser, the tokenizer and the year model with a few choices
// of entry, layout and year, and through the Windows-1252 conversions. Checks
// invariants that must hold for any key and any file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/data_reader.h"
#include "core/holiday_rules.h"
#include "core/win1252.h"
#include "core/year_model.h"

using namespace orsalimbra::core;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::size_t Characters(const std::string& s) {
  return static_cast<std::size_t>(std::count_if(
      s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void CheckModel(const YearLoad& load) {
  const YearModel& m = load.model;
  Check(m.HolidayCount >= 0);
  const auto stored = static_cast<std::size_t>(std::min(m.HolidayCount, kMaxStoredHolidays));
  Check(m.HolidayDates.size() == stored || (m.HolidayCount == 1 && m.HolidayDates.size() == 1));
  Check(m.HolidayNames.size() == m.HolidayDates.size());
  for (const auto& name : m.DayNames) Check(Characters(name) <= 3);
  Check(m.TitleList.empty() || m.TitleList.size() == static_cast<std::size_t>(m.EntryCount) + 1);
  Check(m.selectedEntry >= -1 && m.selectedEntry < static_cast<int>(m.entries.size()));
  Check(load.settingsWrites.size() % 2 == 0);
  // Everything the model holds came from decoded text and must encode back.
  for (const auto& s : m.PageName) Check(EncodeWin1252(s).ok());
  Check(EncodeWin1252(m.CurrentTitle).ok());
  for (const auto& s : m.HolidayNames) Check(EncodeWin1252(s).ok());
}

// The start of the input as a holiday key: an extended key must read, by the
// three classic rules, as no day's date; a classic one must keep its text.
void CheckKey(const std::string& bytes) {
  const std::string text = DecodeWin1252(bytes.substr(0, 24));
  const HolidayRule rule = ParseHolidayRule(text);
  Check(rule.key == text);
  for (const int year : {100, 2026, 9999}) {
    if (!rule.classic) Check(!DayOfDateText(ClassicHolidayDate(text, year)));
    (void)BaseDate(rule, year);
  }
  if (!rule.classic) {
    Check(rule.firstYear <= rule.lastYear);
    Check(rule.target >= 0 && rule.target <= 7);
    Check(rule.shift == Shift::None || rule.base == RuleBase::FixedDate);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::uint8_t choice = size > 0 ? data[0] : 0;

  YearInputs inputs;
  inputs.fileBytes = bytes;
  inputs.yearText = (choice & 0x80) ? "9999" : "2026";
  inputs.layoutType = choice % 3;
  inputs.userPhotosSet = (choice & 0x40) != 0;
  inputs.programFolder = "/prog";
  inputs.fileExists = [](const std::string& path) { return path.size() % 2 == 0; };

  YearModel previous;
  previous.LanguageIndex = static_cast<int>((choice >> 3) & 0x7) - 1;  // -1 .. 6
  CheckKey(bytes);
  const YearLoad first = LoadYearData(previous, inputs);
  CheckModel(first);

  // A second build on top of the first, as when the user picks another entry.
  YearModel next = first.model;
  next.LanguageIndex = 1;
  inputs.yearText = " 100 ";
  CheckModel(LoadYearData(next, inputs));

  // The tokenizer alone: every token is consumed in one pass.
  DataReader reader(bytes);
  std::size_t tokens = 0;
  while (reader.ReadDataLine()) ++tokens;
  Check(tokens <= size);

  // Decoding and encoding round-trip; arbitrary bytes as UTF-8 never trap.
  const EncodeResult back = EncodeWin1252(DecodeWin1252(bytes));
  Check(back.ok() && back.bytes == bytes);
  const EncodeResult raw = EncodeWin1252(bytes);
  Check(raw.bytes.size() <= size);
  return 0;
}

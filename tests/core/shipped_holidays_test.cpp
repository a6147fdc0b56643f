// The data file shipped with the program: its encoding and table layout, and,
// for every country and every year from 2024 to 2035, the holidays the year
// model gets from it, checked against dates worked out here from each
// country's own rules (never from the file).
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/year_model.h"
#include "reference_easter.h"

namespace {

using namespace std::chrono;
using orsalimbra::core::DateText;
using orsalimbra::core::LayoutCode;
using orsalimbra::core::LoadYearData;
using orsalimbra::core::YearInputs;
using orsalimbra::core::YearModel;

constexpr int kFirstYear = 2024;
constexpr int kLastYear = 2035;

std::string ShippedFile() {
  std::ifstream in(ORSALIMBRA_SOURCE_DIR "/data/Orsalimbra.ini", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

year_month_day EasterSunday(int y) {
  const auto [m, d] = orsalimbra::testing::ReferenceEaster(y);
  return year{y} / m / d;
}

enum class Kind { Holiday, Remark };

// One day a country's calendar shows: a public holiday (printed red) or a
// popular observance (printed without making its day a holiday).
struct Expected {
  std::string what;
  std::function<year_month_day(int)> date;
  Kind kind = Kind::Holiday;
  // The first year the day exists; the file cannot say from which year a row
  // applies, so earlier years neither require nor forbid it.
  int since = 0;
};

Expected On(std::string what, unsigned d, unsigned m) {
  return {std::move(what), [=](int y) { return year{y} / month{m} / day{d}; }};
}
Expected AfterEaster(std::string what, int offset) {
  return {std::move(what),
          [=](int y) { return year_month_day{sys_days{EasterSunday(y)} + days{offset}}; }};
}
Expected Nth(std::string what, unsigned n, weekday wd, unsigned m) {
  return {std::move(what),
          [=](int y) { return year_month_day{sys_days{year{y} / month{m} / wd[n]}}; }};
}
Expected Last(std::string what, weekday wd, unsigned m) {
  return {std::move(what),
          [=](int y) { return year_month_day{sys_days{year{y} / month{m} / wd[last]}}; }};
}
Expected Remark(Expected e) {
  e.kind = Kind::Remark;
  return e;
}
Expected Since(int first, Expected e) {
  e.since = first;
  return e;
}

// Summer time in Europe: last Sunday of March to last Sunday of October.
std::vector<Expected> EuropeanClockChanges() {
  return {Remark(Last("summer time begins", Sunday, 3)),
          Remark(Last("summer time ends", Sunday, 10))};
}

struct Country {
  std::string name;
  std::vector<Expected> days;
  // Weekday names as the year model keeps them, Monday first.
  std::vector<std::string> weekdays;
};

std::vector<Expected> Join(std::vector<Expected> a, const std::vector<Expected>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<std::string> kEnglishDays{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const std::vector<std::string> kGermanDays{"Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."};

// The countries in the order of the file's list.
const std::vector<Country>& Countries() {
  static const std::vector<Country> countries{
      {"Italia",
       Join({On("Capodanno", 1, 1), On("Epifania", 6, 1), AfterEaster("Pasqua", 0),
             AfterEaster("Pasquetta", 1), On("Liberazione", 25, 4), On("Lavoro", 1, 5),
             On("Repubblica", 2, 6), On("Ferragosto", 15, 8),
             Since(2026, On("San Francesco", 4, 10)), On("Ognissanti", 1, 11),
             On("Immacolata", 8, 12), On("Natale", 25, 12), On("Santo Stefano", 26, 12),
             Remark(On("festa del papà", 19, 3)), Remark(Nth("festa della mamma", 2, Sunday, 5))},
            EuropeanClockChanges()),
       {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"}},
      {"United Kingdom",
       Join({On("New Year's Day", 1, 1), AfterEaster("Good Friday", -2),
             AfterEaster("Easter Monday", 1), Nth("Early May", 1, Monday, 5),
             Last("Spring", Monday, 5), Last("Summer", Monday, 8), On("Christmas", 25, 12),
             On("Boxing Day", 26, 12), Remark(AfterEaster("Mothering Sunday", -21)),
             Remark(AfterEaster("Easter Sunday", 0)), Remark(Nth("Father's Day", 3, Sunday, 6))},
            EuropeanClockChanges()),
       kEnglishDays},
      {"United States",
       {On("New Year's Day", 1, 1), Nth("Martin Luther King", 3, Monday, 1),
        Nth("Washington's Birthday", 3, Monday, 2), Last("Memorial Day", Monday, 5),
        On("Juneteenth", 19, 6), On("Independence Day", 4, 7), Nth("Labor Day", 1, Monday, 9),
        Nth("Columbus Day", 2, Monday, 10), On("Veterans Day", 11, 11),
        Nth("Thanksgiving", 4, Thursday, 11), On("Christmas", 25, 12),
        Remark(Nth("daylight saving time begins", 2, Sunday, 3)),
        Remark(Nth("daylight saving time ends", 1, Sunday, 11)), Remark(AfterEaster("Easter", 0)),
        Remark(Nth("Mother's Day", 2, Sunday, 5)), Remark(Nth("Father's Day", 3, Sunday, 6))},
       kEnglishDays},
      {"Deutschland",
       Join({On("Neujahr", 1, 1), AfterEaster("Karfreitag", -2), AfterEaster("Ostermontag", 1),
             On("Tag der Arbeit", 1, 5), AfterEaster("Himmelfahrt", 39),
             AfterEaster("Pfingstmontag", 50), On("Deutsche Einheit", 3, 10),
             On("1. Weihnachtstag", 25, 12), On("2. Weihnachtstag", 26, 12),
             Remark(AfterEaster("Ostersonntag", 0)), Remark(AfterEaster("Pfingstsonntag", 49)),
             Remark(Nth("Muttertag", 2, Sunday, 5)), Remark(On("Heiligabend", 24, 12)),
             Remark(On("Silvester", 31, 12))},
            EuropeanClockChanges()),
       kGermanDays},
      {"France",
       Join({On("Jour de l'an", 1, 1), AfterEaster("Lundi de Pâques", 1),
             On("Fête du Travail", 1, 5), On("Victoire 1945", 8, 5), AfterEaster("Ascension", 39),
             AfterEaster("Lundi de Pentecôte", 50), On("Fête nationale", 14, 7),
             On("Assomption", 15, 8), On("Toussaint", 1, 11), On("Armistice", 11, 11),
             On("Noël", 25, 12), Remark(AfterEaster("Pâques", 0)),
             Remark(AfterEaster("Pentecôte", 49)), Remark(Nth("Fête des pères", 3, Sunday, 6))},
            EuropeanClockChanges()),
       {"Lun", "Mar", "Mer", "Jeu", "Ven", "Sam", "Dim"}},
      {"España",
       Join({On("Año Nuevo", 1, 1), On("Epifanía", 6, 1), AfterEaster("Viernes Santo", -2),
             On("Fiesta del Trabajo", 1, 5), On("Asunción", 15, 8), On("Fiesta Nacional", 12, 10),
             On("Todos los Santos", 1, 11), On("Constitución", 6, 12), On("Inmaculada", 8, 12),
             On("Navidad", 25, 12), Remark(On("Día del Padre", 19, 3)),
             Remark(Nth("Día de la Madre", 1, Sunday, 5)),
             Remark(AfterEaster("Domingo de Pascua", 0))},
            EuropeanClockChanges()),
       {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"}},
      {"Portugal",
       Join({On("Ano Novo", 1, 1), AfterEaster("Sexta-feira Santa", -2), AfterEaster("Páscoa", 0),
             On("Liberdade", 25, 4), On("Trabalhador", 1, 5), AfterEaster("Corpo de Deus", 60),
             On("Dia de Portugal", 10, 6), On("Assunção", 15, 8), On("República", 5, 10),
             On("Todos os Santos", 1, 11), On("Restauração", 1, 12), On("Imaculada", 8, 12),
             On("Natal", 25, 12), Remark(AfterEaster("Carnaval", -47)),
             Remark(On("Dia do Pai", 19, 3)), Remark(Nth("Dia da Mãe", 1, Sunday, 5))},
            EuropeanClockChanges()),
       {"Seg", "Ter", "Qua", "Qui", "Sex", "Sáb", "Dom"}},
      {"Nederland",
       Join({On("Nieuwjaarsdag", 1, 1), AfterEaster("Eerste Paasdag", 0),
             AfterEaster("Tweede Paasdag", 1), On("Bevrijdingsdag", 5, 5),
             AfterEaster("Hemelvaartsdag", 39), AfterEaster("Eerste Pinksterdag", 49),
             AfterEaster("Tweede Pinksterdag", 50), On("Eerste Kerstdag", 25, 12),
             On("Tweede Kerstdag", 26, 12), Remark(AfterEaster("Goede Vrijdag", -2)),
             Remark(On("Dodenherdenking", 4, 5)), Remark(Nth("Moederdag", 2, Sunday, 5)),
             Remark(Nth("Vaderdag", 3, Sunday, 6))},
            EuropeanClockChanges()),
       {"Ma.", "Di.", "Wo.", "Do.", "Vr.", "Za.", "Zo."}},
      {"Österreich",
       Join({On("Neujahr", 1, 1), On("Heilige Drei Könige", 6, 1), AfterEaster("Ostermontag", 1),
             On("Staatsfeiertag", 1, 5), AfterEaster("Christi Himmelfahrt", 39),
             AfterEaster("Pfingstmontag", 50), AfterEaster("Fronleichnam", 60),
             On("Mariä Himmelfahrt", 15, 8), On("Nationalfeiertag", 26, 10),
             On("Allerheiligen", 1, 11), On("Mariä Empfängnis", 8, 12), On("Christtag", 25, 12),
             On("Stefanitag", 26, 12), Remark(AfterEaster("Ostersonntag", 0)),
             Remark(AfterEaster("Pfingstsonntag", 49)), Remark(Nth("Muttertag", 2, Sunday, 5)),
             Remark(Nth("Vatertag", 2, Sunday, 6)), Remark(On("Heiliger Abend", 24, 12)),
             Remark(On("Silvester", 31, 12))},
            EuropeanClockChanges()),
       kGermanDays},
      {"Schweiz/Suisse/Svizzera",
       Join({On("Neujahr", 1, 1), AfterEaster("Karfreitag", -2), AfterEaster("Ostermontag", 1),
             AfterEaster("Auffahrt", 39), AfterEaster("Pfingstmontag", 50),
             On("Bundesfeiertag", 1, 8), On("Weihnachten", 25, 12), On("Stephanstag", 26, 12),
             Remark(AfterEaster("Ostern", 0)), Remark(AfterEaster("Pfingsten", 49)),
             Remark(Nth("Muttertag", 2, Sunday, 5)), Remark(Nth("Bettag", 3, Sunday, 9)),
             Remark(On("Heiligabend", 24, 12)), Remark(On("Silvester", 31, 12))},
            EuropeanClockChanges()),
       kGermanDays},
      {"Ireland",
       Join({On("New Year's Day", 1, 1), On("St Patrick's Day", 17, 3),
             AfterEaster("Easter Monday", 1), Nth("May", 1, Monday, 5), Nth("June", 1, Monday, 6),
             Nth("August", 1, Monday, 8), Last("October", Monday, 10), On("Christmas", 25, 12),
             On("St Stephen's Day", 26, 12), Remark(AfterEaster("Mother's Day", -21)),
             Remark(AfterEaster("Good Friday", -2)), Remark(AfterEaster("Easter Sunday", 0)),
             Remark(Nth("Father's Day", 3, Sunday, 6))},
            EuropeanClockChanges()),
       kEnglishDays},
      {"Danmark",
       Join({On("Nytårsdag", 1, 1), AfterEaster("Skærtorsdag", -3), AfterEaster("Langfredag", -2),
             AfterEaster("Påskedag", 0), AfterEaster("2. påskedag", 1),
             AfterEaster("Kristi himmelfartsdag", 39), AfterEaster("Pinsedag", 49),
             AfterEaster("2. pinsedag", 50), On("Juledag", 25, 12), On("2. juledag", 26, 12),
             Remark(On("Grundlovsdag", 5, 6)), Remark(Nth("Mors dag", 2, Sunday, 5)),
             Remark(On("Juleaften", 24, 12)), Remark(On("Nytårsaften", 31, 12))},
            EuropeanClockChanges()),
       {"Man", "Tir", "Ons", "Tor", "Fre", "Lør", "Søn"}},
      {"Sverige",
       Join({On("Nyårsdagen", 1, 1), On("Trettondedag jul", 6, 1), AfterEaster("Långfredagen", -2),
             AfterEaster("Påskdagen", 0), AfterEaster("Annandag påsk", 1), On("Första maj", 1, 5),
             AfterEaster("Kristi himmelsfärdsdag", 39), AfterEaster("Pingstdagen", 49),
             On("Nationaldagen", 6, 6), On("Juldagen", 25, 12), On("Annandag jul", 26, 12),
             Remark(Last("Mors dag", Sunday, 5)), Remark(Nth("Fars dag", 2, Sunday, 11)),
             Remark(On("Julafton", 24, 12)), Remark(On("Nyårsafton", 31, 12))},
            EuropeanClockChanges()),
       {"Mån", "Tis", "Ons", "Tor", "Fre", "Lör", "Sön"}},
  };
  return countries;
}

YearModel Build(int entry, int y, YearModel previous = {}) {
  previous.LanguageIndex = entry;
  YearInputs inputs;
  inputs.fileBytes = ShippedFile();
  inputs.yearText = std::to_string(y);
  inputs.layoutType = LayoutCode::Weekly;
  inputs.programFolder = "/nonexistent";
  inputs.fileExists = [](const std::string&) { return false; };
  return LoadYearData(previous, inputs).model;
}

std::size_t Utf8Length(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

bool IsRemark(const std::string& name) { return !name.empty() && name.front() == '('; }

TEST(ShippedHolidayTables, OwnEasterMatchesPublishedDates) {
  // Easter Sundays 2024..2035 as published in the church calendars.
  const std::map<int, year_month_day> published{
      {2024, 2024y / March / 31}, {2025, 2025y / April / 20}, {2026, 2026y / April / 5},
      {2027, 2027y / March / 28}, {2028, 2028y / April / 16}, {2029, 2029y / April / 1},
      {2030, 2030y / April / 21}, {2031, 2031y / April / 13}, {2032, 2032y / March / 28},
      {2033, 2033y / April / 17}, {2034, 2034y / April / 9},  {2035, 2035y / March / 25}};
  for (const auto& [y, date] : published) EXPECT_EQ(EasterSunday(y), date) << y;
}

TEST(ShippedDataFile, ListsTheCountriesInOrderWithTitlesPageAndWeekdayNames) {
  for (std::size_t entry = 0; entry < Countries().size(); ++entry) {
    const Country& country = Countries()[entry];
    SCOPED_TRACE(country.name);
    YearModel previous;
    previous.PageName.fill("");  // every page name must come from the file
    const YearModel model = Build(static_cast<int>(entry), 2026, previous);

    ASSERT_EQ(model.EntryCount, static_cast<int>(Countries().size()));
    ASSERT_EQ(model.entries.size(), Countries().size());
    EXPECT_EQ(model.entries[entry], country.name);
    EXPECT_EQ(model.entryLabel, "Paese");
    EXPECT_EQ(model.selectedEntry, static_cast<int>(entry));
    EXPECT_FALSE(model.CurrentTitle.empty());

    std::set<std::string> pages;
    for (const std::string& name : model.PageName) {
      EXPECT_FALSE(name.empty());
      pages.insert(name);
    }
    EXPECT_EQ(pages.size(), model.PageName.size()) << "page names must differ";
    for (std::size_t d = 0; d < 7; ++d) {
      EXPECT_EQ(model.DayNames[d], country.weekdays[d]) << "weekday " << d + 1;
      EXPECT_EQ(Utf8Length(model.DayNames[d]), 3u) << "weekday " << d + 1;
    }
  }
}

TEST(ShippedDataFile, HolidaysAndObservancesOfEveryCountryFor2024To2035) {
  for (std::size_t entry = 0; entry < Countries().size(); ++entry) {
    const Country& country = Countries()[entry];
    for (int y = kFirstYear; y <= kLastYear; ++y) {
      SCOPED_TRACE(country.name + " " + std::to_string(y));
      const YearModel model = Build(static_cast<int>(entry), y);
      ASSERT_EQ(model.CalendarYear, y);

      // date text -> names the model holds for that day
      std::map<std::string, std::vector<std::string>> held;
      const int count = std::min<int>(model.HolidayCount, model.HolidayDates.size());
      for (int k = 0; k < count; ++k) held[model.HolidayDates[k]].push_back(model.HolidayNames[k]);

      std::set<std::string> allowed[2];
      for (const Expected& e : country.days) {
        const std::string date = DateText(e.date(y));
        allowed[static_cast<int>(e.kind)].insert(date);
        if (y < e.since) continue;
        bool found = false;
        for (const std::string& name : held[date]) {
          found |= IsRemark(name) == (e.kind == Kind::Remark);
        }
        EXPECT_TRUE(found) << (e.kind == Kind::Remark ? "observance " : "holiday ") << e.what
                           << " missing on " << date;
      }
      for (const auto& [date, names] : held) {
        for (const std::string& name : names) {
          const int kind = static_cast<int>(IsRemark(name) ? Kind::Remark : Kind::Holiday);
          EXPECT_TRUE(allowed[kind].count(date)) << "unexpected \"" << name << "\" on " << date;
        }
      }
    }
  }
}

// A holiday key of one of the three rule forms, with values in range: a
// day/month that exists in a leap year, an Easter offset, or the n-th (5 =
// last) weekday 1..7 of month 01..12 with the degree sign as byte B0.
bool IsRuleKey(const std::string& key) {
  static const std::regex offset("[+-][0-9]+");
  static const std::regex nth("[1-5]\xB0[1-7]/(0[1-9]|1[0-2])");
  static const std::regex fixed("([0-9]{2})/([0-9]{2})");
  std::smatch m;
  if (std::regex_match(key, m, fixed)) {
    return (2024y / month{unsigned(std::stoi(m[2]))} / day{unsigned(std::stoi(m[1]))}).ok();
  }
  return std::regex_match(key, offset) || std::regex_match(key, nth);
}

// A token of one line with the column it starts at.
struct Token {
  char kind;  // '<' section, '[' key, 'i' item
  std::string text;
  std::size_t column;
  std::size_t end;  // column after the token's last character
};

// Splits a line the way the reader does; columns count bytes, which are
// characters in a single-byte file.
std::vector<Token> Tokenize(const std::string& line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i == line.size()) return tokens;
    const std::size_t start = i;
    const bool quoted = line[i] == '"';
    const char close = line[i] == '<' ? '>' : line[i] == '[' ? ']' : quoted ? '"' : ' ';
    const std::size_t from = quoted ? i + 1 : i;
    const std::size_t stop = std::min(line.find(close, from), line.size());
    const std::string text = line.substr(from, stop - from);
    i = close == ' ' || stop == line.size() ? stop : stop + 1;
    // The kind is decided after the quotes are gone, as the reader does.
    const char kind = !text.empty() && (text[0] == '<' || text[0] == '[') ? text[0] : 'i';
    tokens.push_back({kind, text, start, i});
  }
}

TEST(ShippedDataFile, IsWindows1252WithCrLfLineEnds) {
  const std::string bytes = ShippedFile();
  ASSERT_FALSE(bytes.empty());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = bytes[i];
    if (c == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
    } else if (c == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "LF without CR at " << i;
    } else {
      ASSERT_GE(c, 0x20) << "control byte at " << i;
      // Bytes to which Windows-1252 assigns no character.
      ASSERT_TRUE(c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
          << "byte " << int{c} << " at " << i;
    }
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  // Single-byte spellings, not UTF-8 ones.
  EXPECT_NE(bytes.find("\xD6sterreich"), std::string::npos);
  EXPECT_NE(bytes.find("Espa\xF1"
                       "a"),
            std::string::npos);
  EXPECT_NE(bytes.find("[2\xB0"
                       "7/05]"),
            std::string::npos);
  EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "UTF-8 text in the file";
}

TEST(ShippedDataFile, EveryRowHasOneItemPerCountryOnTheEditorsColumnStops) {
  const std::string bytes = ShippedFile();
  const std::size_t entries = Countries().size();
  const std::set<std::string> tables{"PAESI", "TITOLI", "MESI", "GIORNI", "FESTE"};
  std::map<std::string, std::set<std::string>> keys;  // section -> keys seen
  std::string section;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t stop = bytes.find("\r\n", start);
    if (stop == std::string::npos) stop = bytes.size();
    const std::string line = bytes.substr(start, stop - start);
    start = stop + 2;
    const std::vector<Token> tokens = Tokenize(line);
    if (tokens.empty()) continue;
    if (tokens[0].kind == '<') {
      ASSERT_EQ(tokens.size(), 1u) << line;
      section = tokens[0].text.substr(1);
      continue;
    }
    if (!tables.count(section)) continue;
    SCOPED_TRACE(section + ": " + line);
    const bool keyed = section != "PAESI" && section != "TITOLI";
    ASSERT_EQ(tokens[0].kind == '[', keyed);
    if (keyed) {
      const std::string key = tokens[0].text.substr(1);
      EXPECT_TRUE(keys[section].insert(key).second) << "repeated key";
      if (section == "FESTE") {
        EXPECT_TRUE(IsRuleKey(key)) << "not a holiday rule";
      }
    }
    ASSERT_EQ(tokens.size(), entries + (keyed ? 1 : 0)) << "one item per country";
    std::size_t previousEnd = keyed ? tokens[0].end : 0;
    for (std::size_t k = keyed ? 1 : 0, item = 0; k < tokens.size(); ++k, ++item) {
      EXPECT_EQ(tokens[k].kind, 'i');
      EXPECT_FALSE(tokens[k].text.empty());
      const std::size_t stopColumn = 20 * (item + 1);
      if (previousEnd < stopColumn) {
        EXPECT_EQ(tokens[k].column, stopColumn) << tokens[k].text;
      }
      previousEnd = tokens[k].end;
    }
  }
  std::set<std::string> pages, weekdays;
  for (int k = 0; k <= 12; ++k) pages.insert(std::to_string(k));
  for (int k = 1; k <= 7; ++k) weekdays.insert(std::to_string(k));
  EXPECT_EQ(keys["MESI"], pages);
  EXPECT_EQ(keys["GIORNI"], weekdays);
  EXPECT_GT(keys["FESTE"].size(), 30u);
}

}  // namespace

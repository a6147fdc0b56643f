// The data file shipped with the program: its encoding and table layout, and,
// for every country and every year from 2024 to 2035, the holidays the year
// model gets from it, checked against dates worked out here from each
// country's own rules (never from the file), moving and substitute days
// included.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/data_reader.h"
#include "core/holiday_rules.h"
#include "core/year_model.h"
#include "reference_easter.h"

namespace {

using namespace std::chrono;
using orsalimbra::core::ClassicHolidayDate;
using orsalimbra::core::DataReader;
using orsalimbra::core::DateText;
using orsalimbra::core::DayOfDateText;
using orsalimbra::core::KeyOf;
using orsalimbra::core::KindOf;
using orsalimbra::core::LayoutCode;
using orsalimbra::core::LoadYearData;
using orsalimbra::core::ParseHolidayRule;
using orsalimbra::core::SectionNameOf;
using orsalimbra::core::TokenKind;
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

using Dates = std::vector<year_month_day>;

// One day a country's calendar shows: a public holiday (printed red) or a
// popular observance (printed without making its day a holiday), or a
// substitute day, named after its holiday with the country's marker.
struct Expected {
  std::string what;
  // The days of year y (a substitute day may come from another year's rule).
  std::function<Dates(int y)> dates;
  Kind kind = Kind::Holiday;
  // The years the day exists in; outside them the file must not give it.
  int since = INT_MIN;
  int until = INT_MAX;
  bool substitute = false;
};

Expected Every(std::string what, std::function<year_month_day(int)> date) {
  return {std::move(what), [=](int y) { return Dates{date(y)}; }};
}
Expected On(std::string what, unsigned d, unsigned m) {
  return Every(std::move(what), [=](int y) { return year{y} / month{m} / day{d}; });
}
Expected AfterEaster(std::string what, int offset) {
  return Every(std::move(what),
               [=](int y) { return year_month_day{sys_days{EasterSunday(y)} + days{offset}}; });
}
Expected Nth(std::string what, unsigned n, weekday wd, unsigned m) {
  return Every(std::move(what),
               [=](int y) { return year_month_day{sys_days{year{y} / month{m} / wd[n]}}; });
}
Expected Last(std::string what, weekday wd, unsigned m) {
  return Every(std::move(what),
               [=](int y) { return year_month_day{sys_days{year{y} / month{m} / wd[last]}}; });
}
// The first `wd` from day d of month m on (d..d+6).
Expected FirstFrom(std::string what, weekday wd, unsigned d, unsigned m) {
  return Every(std::move(what), [=](int y) {
    year_month_day date = year{y} / month{m} / day{d};
    while (weekday{sys_days{date}} != wd) date = sys_days{date} + days{1};
    return date;
  });
}
Expected Remark(Expected e) {
  e.kind = Kind::Remark;
  return e;
}
Expected Since(int first, Expected e) {
  e.since = first;
  return e;
}
Expected Until(int last, Expected e) {
  e.until = last;
  return e;
}

bool IsWeekend(sys_days d) { return weekday{d} == Saturday || weekday{d} == Sunday; }

// Days of year y from the days `of` gives for y - 1, y and y + 1, each
// rule year only within `holiday`'s years.
Dates InYear(int y, const Expected& holiday, const std::function<Dates(int)>& of) {
  Dates result;
  for (int r = y - 1; r <= y + 1; ++r) {
    if (r < holiday.since || r > holiday.until) continue;
    for (const year_month_day& d : of(r)) {
      if (d.year() == year{y}) result.push_back(d);
    }
  }
  return result;
}

// United States (5 U.S.C. 6103(b), Executive Order 11582): a holiday on a
// Saturday is observed on the Friday before, one on a Sunday on the Monday
// after.
Expected Observed(const Expected& holiday) {
  Expected e{holiday.what + " observed", [holiday](int y) {
               return InYear(y, holiday, [&](int r) {
                 Dates result;
                 for (const year_month_day& d : holiday.dates(r)) {
                   const sys_days day{d};
                   if (weekday{day} == Saturday) result.push_back(day - days{1});
                   if (weekday{day} == Sunday) result.push_back(day + days{1});
                 }
                 return result;
               });
             }};
  e.substitute = true;
  return e;
}

// England and Wales, Ireland: taken in date order, each of `holidays` that
// falls on a weekend gives the first weekday after it that is none of them
// and not yet given to an earlier one. (No other holiday of these countries
// comes within a week after any of them.)
std::vector<Expected> InLieu(const std::vector<Expected>& holidays) {
  const auto given = [holidays](int r) {
    std::vector<std::pair<sys_days, std::size_t>> dates;  // day, index in `holidays`
    for (int q = r - 1; q <= r + 1; ++q) {
      for (std::size_t k = 0; k < holidays.size(); ++k) {
        for (const year_month_day& d : holidays[k].dates(q)) dates.push_back({sys_days{d}, k});
      }
    }
    std::sort(dates.begin(), dates.end());
    std::set<sys_days> taken;
    for (const auto& [d, k] : dates) taken.insert(d);
    std::vector<std::pair<sys_days, std::size_t>> result;
    for (const auto& [d, k] : dates) {
      if (!IsWeekend(d)) continue;
      sys_days free = d + days{1};
      while (IsWeekend(free) || taken.count(free)) free += days{1};
      taken.insert(free);
      result.push_back({free, k});
    }
    return result;
  };
  std::vector<Expected> substitutes;
  for (std::size_t k = 0; k < holidays.size(); ++k) {
    Expected e{holidays[k].what + " substitute", [given, k](int y) {
                 Dates result;
                 for (const auto& [d, index] : given(y)) {
                   if (index == k && year_month_day{d}.year() == year{y}) result.push_back(d);
                 }
                 return result;
               }};
    e.substitute = true;
    substitutes.push_back(std::move(e));
  }
  return substitutes;
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
  // The word after a substitute day's name.
  std::string marker;
};

std::vector<Expected> Join(std::vector<Expected> a, const std::vector<Expected>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<std::string> kEnglishDays{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const std::vector<std::string> kGermanDays{"Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."};

// Holidays of fixed date that bring a substitute or observed day.
const Expected kEnglishNewYear = On("New Year's Day", 1, 1);
const Expected kChristmas = On("Christmas", 25, 12);
const Expected kBoxingDay = On("Boxing Day", 26, 12);
const Expected kStPatrick = On("St Patrick's Day", 17, 3);
const Expected kStStephen = On("St Stephen's Day", 26, 12);
const Expected kJuneteenth = Since(2021, On("Juneteenth", 19, 6));
const Expected kIndependenceDay = On("Independence Day", 4, 7);
const Expected kVeteransDay = On("Veterans Day", 11, 11);

// Ireland from 2023: the first Monday of February, or 1 February when that is
// a Friday.
Expected StBrigidsDay() {
  return Since(2023, Every("St Brigid's Day", [](int y) {
                 const year_month_day first = year{y} / February / 1;
                 if (weekday{sys_days{first}} == Friday) return first;
                 return year_month_day{sys_days{year{y} / February / Monday[1]}};
               }));
}

// The Netherlands: 27 April, or 26 April when the 27th is a Sunday.
Expected Koningsdag() {
  return Every("Koningsdag", [](int y) {
    const sys_days d{year{y} / April / 27};
    return year_month_day{weekday{d} == Sunday ? d - days{1} : d};
  });
}

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
       {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"},
       "(sostitutivo)"},
      {"United Kingdom",
       Join(Join({kEnglishNewYear, AfterEaster("Good Friday", -2), AfterEaster("Easter Monday", 1),
                  Nth("Early May", 1, Monday, 5), Last("Spring", Monday, 5),
                  Last("Summer", Monday, 8), kChristmas, kBoxingDay,
                  Remark(AfterEaster("Mothering Sunday", -21)),
                  Remark(AfterEaster("Easter Sunday", 0)),
                  Remark(Nth("Father's Day", 3, Sunday, 6))},
                 InLieu({kEnglishNewYear, kChristmas, kBoxingDay})),
            EuropeanClockChanges()),
       kEnglishDays, "(substitute day)"},
      {"United States",
       {kEnglishNewYear,
        Observed(kEnglishNewYear),
        Nth("Martin Luther King", 3, Monday, 1),
        Nth("Washington's Birthday", 3, Monday, 2),
        Last("Memorial Day", Monday, 5),
        kJuneteenth,
        Observed(kJuneteenth),
        kIndependenceDay,
        Observed(kIndependenceDay),
        Nth("Labor Day", 1, Monday, 9),
        Nth("Columbus Day", 2, Monday, 10),
        kVeteransDay,
        Observed(kVeteransDay),
        Nth("Thanksgiving", 4, Thursday, 11),
        kChristmas,
        Observed(kChristmas),
        Remark(Nth("daylight saving time begins", 2, Sunday, 3)),
        Remark(Nth("daylight saving time ends", 1, Sunday, 11)),
        Remark(AfterEaster("Easter", 0)),
        Remark(Nth("Mother's Day", 2, Sunday, 5)),
        Remark(Nth("Father's Day", 3, Sunday, 6))},
       kEnglishDays,
       "(observed)"},
      {"Deutschland",
       Join({On("Neujahr", 1, 1), AfterEaster("Karfreitag", -2), AfterEaster("Ostermontag", 1),
             On("Tag der Arbeit", 1, 5), AfterEaster("Himmelfahrt", 39),
             AfterEaster("Pfingstmontag", 50), On("Deutsche Einheit", 3, 10),
             On("1. Weihnachtstag", 25, 12), On("2. Weihnachtstag", 26, 12),
             Remark(AfterEaster("Ostersonntag", 0)), Remark(AfterEaster("Pfingstsonntag", 49)),
             Remark(Nth("Muttertag", 2, Sunday, 5)), Remark(On("Heiligabend", 24, 12)),
             Remark(On("Silvester", 31, 12))},
            EuropeanClockChanges()),
       kGermanDays, "(Ersatztag)"},
      {"France",
       Join({On("Jour de l'an", 1, 1), AfterEaster("Lundi de Pâques", 1),
             On("Fête du Travail", 1, 5), On("Victoire 1945", 8, 5), AfterEaster("Ascension", 39),
             AfterEaster("Lundi de Pentecôte", 50), On("Fête nationale", 14, 7),
             On("Assomption", 15, 8), On("Toussaint", 1, 11), On("Armistice", 11, 11),
             On("Noël", 25, 12), Remark(AfterEaster("Pâques", 0)),
             Remark(AfterEaster("Pentecôte", 49)), Remark(Nth("Fête des pères", 3, Sunday, 6))},
            EuropeanClockChanges()),
       {"Lun", "Mar", "Mer", "Jeu", "Ven", "Sam", "Dim"},
       "(remplacement)"},
      {"España",
       Join({On("Año Nuevo", 1, 1), On("Epifanía", 6, 1), AfterEaster("Viernes Santo", -2),
             On("Fiesta del Trabajo", 1, 5), On("Asunción", 15, 8), On("Fiesta Nacional", 12, 10),
             On("Todos los Santos", 1, 11), On("Constitución", 6, 12), On("Inmaculada", 8, 12),
             On("Navidad", 25, 12), Remark(On("Día del Padre", 19, 3)),
             Remark(Nth("Día de la Madre", 1, Sunday, 5)),
             Remark(AfterEaster("Domingo de Pascua", 0))},
            EuropeanClockChanges()),
       {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"},
       "(traslado)"},
      {"Portugal",
       Join({On("Ano Novo", 1, 1), AfterEaster("Sexta-feira Santa", -2), AfterEaster("Páscoa", 0),
             On("Liberdade", 25, 4), On("Trabalhador", 1, 5), AfterEaster("Corpo de Deus", 60),
             On("Dia de Portugal", 10, 6), On("Assunção", 15, 8), On("República", 5, 10),
             On("Todos os Santos", 1, 11), On("Restauração", 1, 12), On("Imaculada", 8, 12),
             On("Natal", 25, 12), Remark(AfterEaster("Carnaval", -47)),
             Remark(On("Dia do Pai", 19, 3)), Remark(Nth("Dia da Mãe", 1, Sunday, 5))},
            EuropeanClockChanges()),
       {"Seg", "Ter", "Qua", "Qui", "Sex", "Sáb", "Dom"},
       "(substituição)"},
      {"Nederland",
       Join({On("Nieuwjaarsdag", 1, 1), AfterEaster("Eerste Paasdag", 0),
             AfterEaster("Tweede Paasdag", 1), Koningsdag(), On("Bevrijdingsdag", 5, 5),
             AfterEaster("Hemelvaartsdag", 39), AfterEaster("Eerste Pinksterdag", 49),
             AfterEaster("Tweede Pinksterdag", 50), On("Eerste Kerstdag", 25, 12),
             On("Tweede Kerstdag", 26, 12), Remark(AfterEaster("Goede Vrijdag", -2)),
             Remark(On("Dodenherdenking", 4, 5)), Remark(Nth("Moederdag", 2, Sunday, 5)),
             Remark(Nth("Vaderdag", 3, Sunday, 6))},
            EuropeanClockChanges()),
       {"Ma.", "Di.", "Wo.", "Do.", "Vr.", "Za.", "Zo."},
       "(vervangende dag)"},
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
       kGermanDays, "(Ersatztag)"},
      {"Schweiz/Suisse/Svizzera",
       Join({On("Neujahr", 1, 1), AfterEaster("Karfreitag", -2), AfterEaster("Ostermontag", 1),
             AfterEaster("Auffahrt", 39), AfterEaster("Pfingstmontag", 50),
             On("Bundesfeiertag", 1, 8), On("Weihnachten", 25, 12), On("Stephanstag", 26, 12),
             Remark(AfterEaster("Ostern", 0)), Remark(AfterEaster("Pfingsten", 49)),
             Remark(Nth("Muttertag", 2, Sunday, 5)), Remark(Nth("Bettag", 3, Sunday, 9)),
             Remark(On("Heiligabend", 24, 12)), Remark(On("Silvester", 31, 12))},
            EuropeanClockChanges()),
       kGermanDays, "(Ersatztag)"},
      {"Ireland",
       Join(Join({kEnglishNewYear, StBrigidsDay(), kStPatrick, AfterEaster("Easter Monday", 1),
                  Nth("May", 1, Monday, 5), Nth("June", 1, Monday, 6), Nth("August", 1, Monday, 8),
                  Last("October", Monday, 10), kChristmas, kStStephen,
                  Remark(AfterEaster("Mother's Day", -21)), Remark(AfterEaster("Good Friday", -2)),
                  Remark(AfterEaster("Easter Sunday", 0)),
                  Remark(Nth("Father's Day", 3, Sunday, 6))},
                 InLieu({kEnglishNewYear, kStPatrick, kChristmas, kStStephen})),
            EuropeanClockChanges()),
       kEnglishDays, "(substitute day)"},
      {"Danmark",
       Join({On("Nytårsdag", 1, 1), AfterEaster("Skærtorsdag", -3), AfterEaster("Langfredag", -2),
             AfterEaster("Påskedag", 0), AfterEaster("2. påskedag", 1),
             AfterEaster("Kristi himmelfartsdag", 39), AfterEaster("Pinsedag", 49),
             AfterEaster("2. pinsedag", 50), On("Juledag", 25, 12), On("2. juledag", 26, 12),
             Until(2023, AfterEaster("Store bededag", 26)), Remark(On("Grundlovsdag", 5, 6)),
             Remark(Nth("Mors dag", 2, Sunday, 5)), Remark(On("Juleaften", 24, 12)),
             Remark(On("Nytårsaften", 31, 12))},
            EuropeanClockChanges()),
       {"Man", "Tir", "Ons", "Tor", "Fre", "Lør", "Søn"},
       "(erstatningsdag)"},
      {"Sverige",
       Join({On("Nyårsdagen", 1, 1), On("Trettondedag jul", 6, 1), AfterEaster("Långfredagen", -2),
             AfterEaster("Påskdagen", 0), AfterEaster("Annandag påsk", 1), On("Första maj", 1, 5),
             AfterEaster("Kristi himmelsfärdsdag", 39), AfterEaster("Pingstdagen", 49),
             On("Nationaldagen", 6, 6), FirstFrom("Midsommardagen", Saturday, 20, 6),
             FirstFrom("Alla helgons dag", Saturday, 31, 10), On("Juldagen", 25, 12),
             On("Annandag jul", 26, 12), Remark(FirstFrom("Midsommarafton", Friday, 19, 6)),
             Remark(Last("Mors dag", Sunday, 5)), Remark(Nth("Fars dag", 2, Sunday, 11)),
             Remark(On("Julafton", 24, 12)), Remark(On("Nyårsafton", 31, 12))},
            EuropeanClockChanges()),
       {"Mån", "Tis", "Ons", "Tor", "Fre", "Lör", "Sön"},
       "(ersättningsdag)"},
  };
  return countries;
}

YearModel Build(int entry, int y, YearModel previous = {}, LayoutCode layout = LayoutCode::Weekly) {
  previous.LanguageIndex = entry;
  YearInputs inputs;
  inputs.fileBytes = ShippedFile();
  inputs.yearText = std::to_string(y);
  inputs.layoutType = layout;
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

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The days of `e` shown in the calendar of year y: the year's own, and on the
// semester pages also December of the year before and January of the next.
Dates Shown(const Expected& e, int y, LayoutCode layout) {
  Dates shown;
  for (int r = y - 1; r <= y + 1; ++r) {
    if (r < e.since || r > e.until) continue;
    for (const year_month_day& d : e.dates(r)) {
      const bool own = r == y;
      const bool frame = layout == LayoutCode::Semester && ((r == y - 1 && d.month() == December) ||
                                                            (r == y + 1 && d.month() == January));
      if (own || frame) shown.push_back(d);
    }
  }
  return shown;
}

TEST(ShippedDataFile, HolidaysAndObservancesOfEveryCountryFor2024To2035) {
  for (std::size_t entry = 0; entry < Countries().size(); ++entry) {
    const Country& country = Countries()[entry];
    const std::string marker = " " + country.marker;
    for (const LayoutCode layout : {LayoutCode::Weekly, LayoutCode::Semester}) {
      for (int y = kFirstYear; y <= kLastYear; ++y) {
        SCOPED_TRACE(country.name + " " + std::to_string(y) + " layout " +
                     std::to_string(static_cast<int>(layout)));
        const YearModel model = Build(static_cast<int>(entry), y, {}, layout);
        ASSERT_EQ(model.CalendarYear, y);
        ASSERT_EQ(model.HolidayCount, static_cast<int>(model.HolidayDates.size()));

        // date text -> names the model holds for that day
        std::map<std::string, std::vector<std::string>> held;
        for (int k = 0; k < model.HolidayCount; ++k) {
          held[model.HolidayDates[k]].push_back(model.HolidayNames[k]);
        }

        // Days allowed by kind, and separately those of substitute days.
        std::set<std::string> allowed[2][2];
        for (const Expected& e : country.days) {
          const int kind = static_cast<int>(e.kind);
          for (const year_month_day& d : Shown(e, y, layout)) {
            const std::string date = DateText(d);
            allowed[kind][e.substitute].insert(date);
            bool found = false;
            for (const std::string& name : held[date]) {
              found |= IsRemark(name) == (e.kind == Kind::Remark) &&
                       EndsWith(name, marker) == e.substitute;
            }
            EXPECT_TRUE(found) << (e.kind == Kind::Remark ? "observance " : "holiday ") << e.what
                               << " missing on " << date;
          }
        }
        for (const auto& [date, names] : held) {
          for (const std::string& name : names) {
            const int kind = static_cast<int>(IsRemark(name) ? Kind::Remark : Kind::Holiday);
            EXPECT_TRUE(allowed[kind][EndsWith(name, marker)].count(date))
                << "unexpected \"" << name << "\" on " << date;
          }
        }
      }
    }
  }
}

// The list entry of a country; the test fails for a country not in the list.
int EntryOf(const std::string& name) {
  const auto country = std::find_if(Countries().begin(), Countries().end(),
                                    [&](const Country& k) { return k.name == name; });
  EXPECT_NE(country, Countries().end()) << name;
  return static_cast<int>(country - Countries().begin());
}

// Days of the moving and substitute rules as the governments publish them.
TEST(ShippedDataFile, PublishedMovingAndSubstituteDays) {
  const struct {
    const char* country;
    int year;
    const char* date;
    const char* name;
  } cases[] = {
      {"United Kingdom", 2026, "28/12/2026", "Boxing Day (substitute day)"},
      {"United Kingdom", 2027, "27/12/2027", "Christmas Day (substitute day)"},
      {"United Kingdom", 2027, "28/12/2027", "Boxing Day (substitute day)"},
      {"United Kingdom", 2028, "03/01/2028", "New Year's Day (substitute day)"},
      {"United States", 2026, "03/07/2026", "Independence Day (observed)"},
      {"United States", 2027, "18/06/2027", "Juneteenth (observed)"},
      {"United States", 2027, "05/07/2027", "Independence Day (observed)"},
      {"United States", 2027, "24/12/2027", "Christmas Day (observed)"},
      {"United States", 2027, "31/12/2027", "New Year's Day (observed)"},
      {"United States", 2028, "10/11/2028", "Veterans Day (observed)"},
      {"Ireland", 2024, "18/03/2024", "St Patrick's Day (substitute day)"},
      {"Ireland", 2026, "02/02/2026", "St Brigid's Day"},
      {"Ireland", 2030, "01/02/2030", "St Brigid's Day"},
      {"Nederland", 2025, "26/04/2025", "Koningsdag"},
      {"Nederland", 2026, "27/04/2026", "Koningsdag"},
      {"Sverige", 2025, "20/06/2025", "(Midsommarafton)"},
      {"Sverige", 2025, "21/06/2025", "Midsommardagen"},
      {"Sverige", 2025, "01/11/2025", "Alla helgons dag"},
      {"Italia", 2026, "04/10/2026", "San Francesco d'Assisi"},
  };
  for (const auto& c : cases) {
    const YearModel m = Build(EntryOf(c.country), c.year);
    bool found = false;
    for (int k = 0; k < m.HolidayCount; ++k) {
      found |= m.HolidayDates[k] == c.date && m.HolidayNames[k] == c.name;
    }
    EXPECT_TRUE(found) << c.country << ": " << c.name << " on " << c.date;
  }
}

// Rules that hold from or until a year, in the years around the limit.
TEST(ShippedDataFile, RulesOfLimitedYears) {
  const struct {
    const char* country;
    const char* name;
    int year;
    const char* date;  // empty: none that year
  } cases[] = {
      {"Italia", "San Francesco d'Assisi", 2025, ""},
      {"Italia", "San Francesco d'Assisi", 2026, "04/10/2026"},
      {"Danmark", "Store bededag", 2023, "05/05/2023"},
      {"Danmark", "Store bededag", 2024, ""},
      {"United States", "Juneteenth", 2020, ""},
      {"United States", "Juneteenth (observed)", 2020, ""},
      {"United States", "Juneteenth (observed)", 2021, "18/06/2021"},
      {"Ireland", "St Brigid's Day", 2022, ""},
      {"Ireland", "St Brigid's Day", 2023, "06/02/2023"},
  };
  for (const auto& c : cases) {
    const YearModel m = Build(EntryOf(c.country), c.year);
    std::string dates;
    for (int k = 0; k < m.HolidayCount; ++k) {
      if (m.HolidayNames[k] == c.name) dates += m.HolidayDates[k];
    }
    EXPECT_EQ(dates, c.date) << c.country << ": " << c.name << " in " << c.year;
  }
}

// The keys of the holiday section, decoded.
std::vector<std::string> HolidayKeys() {
  DataReader reader(ShippedFile());
  std::vector<std::string> keys;
  std::string section;
  while (reader.ReadDataLine()) {
    const std::string_view token = reader.DataToken();
    if (KindOf(token) == TokenKind::Section) section = SectionNameOf(token);
    if (KindOf(token) == TokenKind::Key && section == "FESTE") keys.emplace_back(KeyOf(token));
  }
  return keys;
}

// Every extended key of the file, read by a version of the program that knows
// only the three classic rules, gives a text of no day: the file adds nothing
// false to such a version's calendars.
TEST(ShippedDataFile, ExtendedRowsAreHarmlessToClassicReaders) {
  int extended = 0;
  for (const std::string& key : HolidayKeys()) {
    if (ParseHolidayRule(key).classic) continue;
    ++extended;
    for (int y = 1900; y <= 2100; ++y) {
      EXPECT_FALSE(DayOfDateText(ClassicHolidayDate(key, y))) << key << " " << y;
    }
  }
  EXPECT_GE(extended, 15);
}

// A holiday key of a known rule form, with values in range: a day/month that
// exists in a leap year, an Easter offset, the n-th (5 = last) weekday 1..7
// of month 01..12 with the degree sign as byte B0, a weekday on or after (or
// before) a day/month, or a day/month with weekdays that move it or add a
// substitute day; any of them after a year range in brackets.
bool IsRuleKey(const std::string& key) {
  static const std::regex years(R"(\((?:[0-9]{4}|[0-9]{4}-|-[0-9]{4}|[0-9]{4}-[0-9]{4})\)(.*))");
  static const std::regex offset("[+-][0-9]+");
  static const std::regex nth("[1-5]\xB0[1-7]/(0[1-9]|1[0-2])");
  static const std::regex anchored("[1-7][<>]([0-9]{2})/([0-9]{2})");
  static const std::regex fixed("([0-9]{2})/([0-9]{2})(?:[=+](?:[1-7]+[<>])+[1-7]?)?");
  std::smatch m;
  if (std::regex_match(key, m, years)) return IsRuleKey(m[1]);
  if (std::regex_match(key, m, fixed) || std::regex_match(key, m, anchored)) {
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
  const std::set<std::string> tables{"PAESI", "TITOLI", "MESI", "GIORNI", "FESTE", "SOSTITUTIVI"};
  std::map<std::string, std::set<std::string>> keys;  // section -> keys seen
  std::vector<std::string> sections;
  std::string section;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t stop = bytes.find("\r\n", start);
    if (stop == std::string::npos) stop = bytes.size();
    const std::string line = bytes.substr(start, stop - start);
    start = stop + 2;
    const std::vector<Token> tokens = Tokenize(line);
    if (tokens.empty()) continue;
    // A "<" at the start of any word opens a section, in the notes too.
    for (std::size_t k = 1; k < tokens.size(); ++k) EXPECT_NE(tokens[k].kind, '<') << line;
    if (tokens[0].kind == '<') {
      ASSERT_EQ(tokens.size(), 1u) << line;
      section = tokens[0].text.substr(1);
      sections.push_back(section);
      continue;
    }
    if (!tables.count(section)) continue;
    SCOPED_TRACE(section + ": " + line);
    const bool keyed = section != "PAESI" && section != "TITOLI" && section != "SOSTITUTIVI";
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
  EXPECT_EQ(sections, (std::vector<std::string>{"PAESI", "TITOLI", "MESI", "GIORNI", "FESTE",
                                                "SOSTITUTIVI", "NOTE"}));
}

}  // namespace

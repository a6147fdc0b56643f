#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_test_support.h"
#include "events/events_import.h"

using namespace orsalimbra::events;
using namespace orsalimbra::events::test;

namespace {

struct DatesCase {
  const char* name;
  const char* file;
  const char* zone;
  std::chrono::year_month_day first, last;
  std::vector<std::string> expected;
};

// Realistic exports, each read over a few weeks that show one thing.
TEST(ImportCalendarFiles, ExpandsTheEventsOfRealisticExports) {
  const DatesCase cases[] = {
      {"weekly series with EXDATE, a moved and a cancelled override, daily COUNT, "
       "monthly last Friday, an evening ending at midnight, escapes, folding",
       "web_export.ics",
       "Europe/Rome",
       Day(2026, 2, 1),
       Day(2026, 3, 31),
       {"03/02/2026 Corso di yoga", "09/02/2026 Settimana bianca", "10/02/2026 Settimana bianca",
        "11/02/2026 Settimana bianca", "12/02/2026 Settimana bianca", "13/02/2026 Settimana bianca",
        "19/02/2026 Corso di yoga (spostato al giovedì)", "24/02/2026 Corso di yoga",
        "27/02/2026 Riunione di condominio", "10/03/2026 Corso di yoga",
        "14/03/2026 Pizza, birra e ;amici da Luca", "17/03/2026 Corso di yoga",
        "24/03/2026 Corso di yoga", "27/03/2026 Riunione di condominio",
        // UNTIL is 17:00 UTC, the 19:00 of Rome in summer time: included.
        "31/03/2026 Corso di yoga"}},
      {"the first month of the series",
       "web_export.ics",
       "Europe/Rome",
       Day(2026, 1, 1),
       Day(2026, 1, 31),
       {"06/01/2026 Corso di yoga", "13/01/2026 Corso di yoga", "20/01/2026 Corso di yoga",
        "27/01/2026 Corso di yoga", "30/01/2026 Riunione di condominio"}},
      {"an evening across midnight and across the year",
       "web_export.ics",
       "Europe/Rome",
       Day(2026, 12, 30),
       Day(2027, 1, 2),
       {"31/12/2026 Capodanno da Marco", "01/01/2027 Capodanno da Marco"}},
      {"the range cuts an event that goes on",
       "web_export.ics",
       "Europe/Rome",
       Day(2026, 12, 1),
       Day(2026, 12, 31),
       {"31/12/2026 Capodanno da Marco"}},
      {"a UTC time at 23:00 is the next day in Rome",
       "web_export.ics",
       "Europe/Rome",
       Day(2026, 5, 1),
       Day(2026, 5, 31),
       {"06/05/2026 Telefonata con la zia in Australia", "15/05/2026 Pagare l'affitto"}},
      {"the same time seen from UTC",
       "web_export.ics",
       "UTC",
       Day(2026, 5, 1),
       Day(2026, 5, 31),
       {"05/05/2026 Telefonata con la zia in Australia", "15/05/2026 Pagare l'affitto"}},
      {"an evening in New York is the night after in Rome",
       "web_export.ics",
       "Europe/Rome",
       Day(2026, 7, 1),
       Day(2026, 7, 31),
       {"05/07/2026 Fuochi d'artificio (diretta da New York)", "15/07/2026 Pagare l'affitto"}},
      {"and the same evening in New York",
       "web_export.ics",
       "America/New_York",
       Day(2026, 7, 1),
       Day(2026, 7, 31),
       {"04/07/2026 Fuochi d'artificio (diretta da New York)", "15/07/2026 Pagare l'affitto"}},
      {"an RDATE after the UNTIL; the VTODO is not read",
       "web_export.ics",
       "Europe/Rome",
       Day(2026, 6, 1),
       Day(2026, 8, 31),
       {"15/06/2026 Pagare l'affitto", "05/07/2026 Fuochi d'artificio (diretta da New York)",
        "15/07/2026 Pagare l'affitto", "20/08/2026 Pagare l'affitto"}},
      {"birthdays in a common year: 29 February on the 28th",
       "birthdays.ics",
       "Europe/Rome",
       Day(2026, 2, 1),
       Day(2026, 3, 31),
       {"28/02/2026 Compleanno di zio Piero", "28/02/2026 Compleanno di Anna",
        "12/03/2026 Compleanno di nonna Lucia"}},
      {"birthdays in a leap year",
       "birthdays.ics",
       "Europe/Rome",
       Day(2028, 2, 1),
       Day(2028, 3, 31),
       {"29/02/2028 Compleanno di zio Piero", "29/02/2028 Compleanno di Anna",
        "12/03/2028 Compleanno di nonna Lucia"}},
      {"a yearly UNTIL still running",
       "birthdays.ics",
       "Europe/Rome",
       Day(2025, 3, 1),
       Day(2025, 3, 31),
       {"12/03/2025 Compleanno di nonna Lucia", "19/03/2025 Onomastico di nonno Giuseppe"}},
      {"the first years of the birthdays",
       "birthdays.ics",
       "Europe/Rome",
       Day(1952, 2, 1),
       Day(1952, 3, 31),
       {"29/02/1952 Compleanno di zio Piero", "12/03/1952 Compleanno di nonna Lucia",
        "19/03/1952 Onomastico di nonno Giuseppe"}},
      {"an anniversary with an end",
       "birthdays.ics",
       "Europe/Rome",
       Day(2026, 6, 1),
       Day(2026, 6, 30),
       {"21/06/2026 Anniversario di matrimonio"}},
      {"31 December 23:30 UTC seen from +1",
       "new_year_utc.ics",
       "Europe/Rome",
       Day(2026, 12, 31),
       Day(2027, 1, 1),
       {"01/01/2027 Brindisi in videochiamata"}},
      {"the same instant seen from UTC",
       "new_year_utc.ics",
       "UTC",
       Day(2026, 12, 31),
       Day(2027, 1, 1),
       {"31/12/2026 Brindisi in videochiamata"}},
      {"the same instant seen from -5",
       "new_year_utc.ics",
       "America/New_York",
       Day(2026, 12, 31),
       Day(2027, 1, 1),
       {"31/12/2026 Brindisi in videochiamata"}},
      {"a UTC day in the range is a local day after it",
       "new_year_utc.ics",
       "Europe/Rome",
       Day(2026, 12, 1),
       Day(2026, 12, 31),
       {}},
      {"school holidays across a month end, a DURATION, a trip of three days",
       "school_holidays.ics",
       "Europe/Rome",
       Day(2026, 3, 28),
       Day(2026, 5, 31),
       {"30/03/2026 Vacanze di Pasqua", "31/03/2026 Vacanze di Pasqua",
        "01/04/2026 Vacanze di Pasqua", "02/04/2026 Vacanze di Pasqua",
        "03/04/2026 Vacanze di Pasqua", "04/04/2026 Vacanze di Pasqua",
        "05/04/2026 Vacanze di Pasqua", "06/04/2026 Vacanze di Pasqua",
        "07/04/2026 Vacanze di Pasqua", "30/04/2026 Ponte del primo maggio",
        "01/05/2026 Ponte del primo maggio", "21/05/2026 Gita a Firenze",
        "22/05/2026 Gita a Firenze", "23/05/2026 Gita a Firenze"}},
      {"a range that starts inside the holidays",
       "school_holidays.ics",
       "Europe/Rome",
       Day(2026, 4, 5),
       Day(2026, 4, 30),
       {"05/04/2026 Vacanze di Pasqua", "06/04/2026 Vacanze di Pasqua",
        "07/04/2026 Vacanze di Pasqua", "30/04/2026 Ponte del primo maggio"}},
      {"cancelled events, a cancelled series and its override",
       "cancelled.ics",
       "Europe/Rome",
       Day(2026, 6, 1),
       Day(2026, 6, 30),
       {"11/06/2026 Festa confermata"}},
      {"an Outlook export: Windows zone name, last Thursday, night shifts",
       "outlook_export.ics",
       "Europe/Rome",
       Day(2026, 8, 1),
       Day(2026, 11, 30),
       {"27/08/2026 Turno di notte", "28/08/2026 Turno di notte", "24/09/2026 Turno di notte",
        "25/09/2026 Turno di notte", "29/10/2026 Turno di notte", "30/10/2026 Turno di notte"}},
  };
  for (const DatesCase& c : cases) {
    const ImportResult result = ImportCalendarFiles({DataPath(c.file)}, {c.first, c.last, c.zone});
    EXPECT_EQ(Lines(result), c.expected) << c.name;
    EXPECT_TRUE(result.problems.empty())
        << c.name << ": " << EnglishProblemText(result.problems[0]);
    for (const auto& d : result.dates) EXPECT_EQ(d.File, DataPath(c.file)) << c.name;
  }
}

TEST(ImportCalendarFiles, OrdersByDayThenFileThenStart) {
  const ImportRange range{Day(2026, 3, 31), Day(2026, 3, 31), "Europe/Rome"};
  const std::string web = DataPath("web_export.ics"), school = DataPath("school_holidays.ics");
  EXPECT_EQ(Lines(ImportCalendarFiles({web, school}, range)),
            (std::vector<std::string>{"31/03/2026 Corso di yoga", "31/03/2026 Vacanze di Pasqua"}));
  EXPECT_EQ(Lines(ImportCalendarFiles({school, web}, range)),
            (std::vector<std::string>{"31/03/2026 Vacanze di Pasqua", "31/03/2026 Corso di yoga"}));

  // Within a file, by start: all-day before timed, earlier before later,
  // whatever the order of the events in the file.
  const std::string text =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
      "BEGIN:VEVENT\r\nUID:c\r\nDTSTART:20260401T180000\r\nSUMMARY:Sera\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:b\r\nDTSTART:20260401T080000\r\nSUMMARY:Mattina\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20260401\r\nSUMMARY:Tutto il giorno\r\n"
      "END:VEVENT\r\nEND:VCALENDAR\r\n";
  EXPECT_EQ(Lines(ImportCalendarBytes(text, "giorno.ics",
                                      {Day(2026, 4, 1), Day(2026, 4, 1), "Europe/Rome"})),
            (std::vector<std::string>{"01/04/2026 Tutto il giorno", "01/04/2026 Mattina",
                                      "01/04/2026 Sera"}));
}

}  // namespace

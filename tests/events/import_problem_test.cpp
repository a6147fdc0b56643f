#include <gtest/gtest.h>

#include <string>

#include "events/import_problem.h"

using namespace orsalimbra::events;

namespace {

using Kind = ImportProblem::Kind;

struct WordingCase {
  ImportProblem problem;
  const char* italian;
  const char* english;
};

TEST(ProblemText, NamesTheFileTheLineAndTheBound) {
  const WordingCase cases[] = {
      {{"a.ics", 0, Kind::Missing, "No such file", 0},
       "Il file \"a.ics\" non esiste.",
       "a.ics: no such file"},
      {{"/dev/zero", 0, Kind::NotRegularFile, "", 0},
       "\"/dev/zero\" non è un file di calendario: è una cartella o un dispositivo.",
       "/dev/zero: not a regular file"},
      {{"a.ics", 0, Kind::Unreadable, "Permission denied", 0},
       "Non si può leggere il file \"a.ics\".",
       "a.ics: cannot be read (Permission denied)"},
      {{"a.ics", 0, Kind::TooLarge, "", 50u << 20},
       "Il file \"a.ics\" supera i 50 MB e non è stato letto.",
       "a.ics: larger than 52428800 bytes, not read"},
      {{"a.ics", 0, Kind::TooManyComponents, "", 100000},
       "Il file \"a.ics\" contiene più di 100000 elementi e non è stato letto.",
       "a.ics: more than 100000 components, not read"},
      {{"a.ics", 12, Kind::Malformed, "DTSTART:domani", 0},
       "Il file \"a.ics\" ha un errore alla riga 12, che è stata saltata: DTSTART:domani",
       "a.ics:12: cannot be read, skipped: DTSTART:domani"},
      {{"a.ics", 8, Kind::Truncated, "END:VEVENT", 0},
       "Il file \"a.ics\" è incompleto: manca \"END:VEVENT\" per l'elemento aperto alla riga 8. "
       "Si usano le date lette.",
       "a.ics:8: the file ends before END:VEVENT; the dates read are used"},
      {{"a.ics", 3, Kind::BadDate, "DTSTART:20261345", 0},
       "Nel file \"a.ics\" l'evento alla riga 3 ha una data non valida (DTSTART:20261345) ed è "
       "stato saltato.",
       "a.ics:3: event skipped: invalid date DTSTART:20261345"},
      {{"", 0, Kind::UnknownTimeZone, "Marte/Olympus", 0},
       "Il fuso orario del computer \"Marte/Olympus\" è sconosciuto: gli orari sono presi come "
       "ora di Greenwich (UTC).",
       "unknown local time zone \"Marte/Olympus\": using UTC"},
      {{"a.ics", 0, Kind::MoreProblems, "", 7},
       "Il file \"a.ics\" ha ancora 7 errori.",
       "a.ics: 7 more problems"},
  };
  for (const WordingCase& c : cases) {
    EXPECT_EQ(ItalianProblemText(c.problem), c.italian);
    EXPECT_EQ(EnglishProblemText(c.problem), c.english);
  }
}

// Every kind has its own words, naming the file.
TEST(ProblemText, EveryKindNamesTheFile) {
  for (int k = 0; k <= static_cast<int>(Kind::MoreProblems); ++k) {
    const ImportProblem p{"calendario.ics", 4, static_cast<Kind>(k), "dettaglio", 9};
    EXPECT_NE(ItalianProblemText(p).find("\"calendario.ics\""), std::string::npos) << k;
    EXPECT_NE(EnglishProblemText(p).find("calendario.ics"), std::string::npos) << k;
  }
}

}  // namespace

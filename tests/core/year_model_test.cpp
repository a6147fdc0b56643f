#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/year_model.h"

using namespace orsalimbra::core;

namespace {

using Strings = std::vector<std::string>;

// The two-entry example file, in Windows-1252 (EC is i grave, B0 the degree
// sign), with the items at the editor's column stops.
const std::string kExample =
    "<LINGUE>\r\n"
    "                    Italiano            English\r\n"
    "<TITOLI>\r\n"
    "                    \"Buon anno\"         \"Happy new year\"\r\n"
    "<MESI>\r\n"
    "[1]                 Gennaio             January\r\n"
    "[2]                 Febbraio            February\r\n"
    "<GIORNI>\r\n"
    "[1]                 Luned\xec              Monday\r\n"
    "[7]                 Domenica            Sunday\r\n"
    "<FESTE>\r\n"
    "[01/01]             Capodanno           \"New Year's Day\"\r\n"
    "[+1]                Pasquetta           -\r\n"
    "[2\xb0"
    "7/05]            \"Festa della mamma\" \"Mother's Day\"\r\n"
    "<NOTE>\r\n"
    "this section has no meaning for the reader and is ignored\r\n"
    "<FOTO>\r\n"
    "[1]                 neve.jpg            \"Snow on the hills\"\r\n";

struct Build {
  YearModel previous;
  YearInputs inputs;

  explicit Build(std::optional<std::string> file, std::string year = "2026") {
    inputs.fileBytes = std::move(file);
    inputs.yearText = std::move(year);
    inputs.programFolder = "/opt/orsalimbra";
  }
  Build& Entry(int index) {
    previous.LanguageIndex = index;
    return *this;
  }
  Build& Layout(int layout) {
    inputs.layoutType = LayoutCode{layout};
    return *this;
  }
  YearLoad Run() const { return LoadYearData(previous, inputs); }
};

std::string Holidays(const YearModel& m) {
  std::string text;
  for (std::size_t i = 0; i < m.HolidayDates.size(); ++i) {
    text += m.HolidayDates[i] + "=" + m.HolidayNames[i] + ";";
  }
  return text;
}

TEST(YearModel, ReadsTheChosenEntryOfTheExample) {
  const YearLoad load = Build(kExample).Entry(1).Run();
  const YearModel& m = load.model;
  EXPECT_EQ(m.entries, (Strings{"Italiano", "English"}));
  EXPECT_EQ(m.entryLabel, "Lingua");
  EXPECT_EQ(m.selectedEntry, 1);
  EXPECT_EQ(m.EntryCount, 2);
  EXPECT_EQ(m.TitleList, (Strings{"Buon anno", "Happy new year", ""}));
  EXPECT_EQ(m.CurrentTitle, "Happy new year");
  EXPECT_EQ(m.PageName[0], "Copertina");
  EXPECT_EQ(m.PageName[1], "January");
  EXPECT_EQ(m.PageName[2], "February");
  EXPECT_EQ(m.PageName[3], "");
  EXPECT_EQ(m.DayNames[0], "Mon");
  EXPECT_EQ(m.DayNames[6], "Sun");
  EXPECT_EQ(m.HolidayCount, 2);
  EXPECT_EQ(Holidays(m), "01/01/2026=New Year's Day;10/05/2026=Mother's Day;");
  EXPECT_EQ(m.PhotoPaths[1], "/opt/orsalimbra/neve.jpg");
  EXPECT_EQ(m.PhotoNotes[1], "Snow on the hills");
  ASSERT_EQ(load.settingsWrites.size(), 2u);
  EXPECT_EQ(load.settingsWrites[0].key, "Foto01");
  EXPECT_EQ(load.settingsWrites[0].value, "/opt/orsalimbra/neve.jpg");
  EXPECT_EQ(load.settingsWrites[1].key, "Nota01");
  EXPECT_EQ(load.settingsWrites[1].value, "Snow on the hills");
  ASSERT_TRUE(m.MonthStart);
  EXPECT_EQ(DateText(*m.MonthStart), "01/01/2026");
  EXPECT_EQ(m.CalendarYear, 2026);

  const YearModel italian = Build(kExample).Entry(0).Run().model;
  EXPECT_EQ(italian.DayNames[0], "Lun");
  EXPECT_EQ(italian.CurrentTitle, "Buon anno");
  EXPECT_EQ(Holidays(italian),
            "01/01/2026=Capodanno;06/04/2026=Pasquetta;10/05/2026=Festa della mamma;");
}

TEST(YearModel, MonthLengthsFollowTheYear) {
  const struct {
    const char* year;
    int february;
  } cases[] = {{"2024", 29}, {"2100", 28}, {"2000", 29}, {"2026", 28}, {"100", 28}};
  for (const auto& c : cases) {
    const YearModel m = Build(std::nullopt, c.year).Run().model;
    EXPECT_EQ(m.MonthDays[2], c.february) << c.year;
    EXPECT_EQ(m.MonthDays[1], 31);
    EXPECT_EQ(m.MonthDays[0], 0);
  }
}

TEST(YearModel, InvalidYearTextKeepsTheYearAndSkipsTheFile) {
  const YearModel before = Build(kExample, "2024").Entry(0).Run().model;
  const struct {
    const char* text;
    bool valid;
    int year;
  } cases[] = {
      {"", false, 2024},      {"2026x", false, 2024},  {"99999", false, 2024},
      {"99", false, 2024},    {"-2026", false, 2024},  {"20 26", false, 2024},
      {"+2026", false, 2024}, {"2026\t", false, 2024}, {"99999999999999999999", false, 2024},
      {" 2026 ", true, 2026}, {"0100", true, 100},     {"9999", true, 9999},
  };
  for (const auto& c : cases) {
    Build build(std::string("<FESTE>\r\n[25/12] Natale\r\n"), c.text);
    build.previous = before;
    const YearModel m = build.Run().model;
    EXPECT_EQ(m.CalendarYear, c.year) << c.text;
    ASSERT_TRUE(m.MonthStart) << c.text;
    EXPECT_EQ(*m.MonthStart, std::chrono::year{c.year} / 1 / 1) << c.text;
    EXPECT_EQ(m.MonthDays[2], c.year == 2024 ? 29 : 28) << c.text;
    // The file is only read with a valid year.
    const std::string year = c.year < 1000 ? "0" + std::to_string(c.year) : std::to_string(c.year);
    EXPECT_EQ(m.HolidayDates.front(), c.valid ? "25/12/" + year : "01/01/2024") << c.text;
  }
  // The first build of a run with a bad year leaves the date unset.
  EXPECT_FALSE(Build(kExample, "abc").Run().model.MonthStart);
}

TEST(YearModel, SemesterLayoutAddsTheNeighbouringJanuaryAndDecember) {
  const std::string file =
      "<LINGUA>\r\nIt\r\n<TITOLO>\r\nT\r\n<FESTE>\r\n"
      "[01/01] Capodanno\r\n[25/12] Natale\r\n[15/08] Ferragosto\r\n"
      "[1\xb0"
      "1/01] \"Primo lunedi\"\r\n[5\xb0"
      "7/12] \"Ultima domenica\"\r\n"
      "[+0] Pasqua\r\n";
  EXPECT_EQ(Holidays(Build(file).Layout(static_cast<int>(LayoutCode::Semester)).Run().model),
            "01/01/2026=Capodanno;01/01/2027=Capodanno;"
            "25/12/2026=Natale;25/12/2025=Natale;"
            "15/08/2026=Ferragosto;"
            "05/01/2026=Primo lunedi;04/01/2027=Primo lunedi;"
            "27/12/2026=Ultima domenica;28/12/2025=Ultima domenica;"
            "05/04/2026=Pasqua;");
  for (const int layout :
       {static_cast<int>(LayoutCode::Weekly), static_cast<int>(LayoutCode::Daily), 3, 4}) {
    const YearModel m = Build(file).Layout(layout).Run().model;
    EXPECT_EQ(Holidays(m),
              "01/01/2026=Capodanno;25/12/2026=Natale;15/08/2026=Ferragosto;"
              "05/01/2026=Primo lunedi;27/12/2026=Ultima domenica;05/04/2026=Pasqua;")
        << layout;
    EXPECT_EQ(m.HolidayCount, 6);
  }
}

TEST(YearModel, HolidayKeysOfEveryForm) {
  const std::string file =
      "<LINGUA>\r\nIt\r\n<TITOLO>\r\nT\r\n<FESTE>\r\n"
      "[-2] Venerdi\r\n"
      "[+49.5] Pentecoste\r\n"  // a fraction reads as its integer part
      "[xx] Strano\r\n"         // no known form: a fixed date that never matches
      "[0\xb0"
      "7/05] Nessuno\r\n"  // occurrence 0: no date, the entry stays
      "[2\xb0"
      "7/13] Nessuno2\r\n"  // no such month
      "[2\xb0"
      "0/05] Domenica\r\n"  // weekday 0 is Sunday
      "[+\xb0"
      "7/05] Pasqua\r\n"           // a sign wins over the degree sign
      "[2\xb0] Corta\r\n"          // no weekday, no month
      "[+99999] Lontano\r\n"       // beyond 16 bits
      "[25/04] \"\"\r\n"           // an empty holiday text
      "[24/12] \"(Vigilia)\"\r\n"  // a remark is stored like a holiday
      "[06/01] -- none\r\n";       // suppressed: "none" is the next entry's item
  const YearModel m = Build(file).Layout(static_cast<int>(LayoutCode::Weekly)).Run().model;
  EXPECT_EQ(
      Holidays(m),
      "03/04/2026=Venerdi;24/05/2026=Pentecoste;xx/2026=Strano;=Nessuno;=Nessuno2;"
      "10/05/2026=Domenica;05/04/2026=Pasqua;=Corta;=Lontano;25/04/2026=;24/12/2026=(Vigilia);");
  EXPECT_EQ(m.HolidayCount, 11);
}

TEST(YearModel, FixedDatesOfEarlyYearsHaveFourDigitYears) {
  const YearModel m = Build(std::string("<FESTE>\r\n[25/12] Natale\r\n"), "999").Run().model;
  EXPECT_EQ(Holidays(m), "25/12/0999=Natale;");
}

TEST(YearModel, UnquotedTextWithSpacesShiftsTheLaterEntries) {
  const std::string file =
      "<LINGUE>\r\nA B C\r\n<TITOLI>\r\n1 2 3\r\n<FESTE>\r\n"
      "[02/06] Festa della Repubblica\r\n";
  EXPECT_EQ(Holidays(Build(file).Entry(0).Run().model), "02/06/2026=Festa;");
  EXPECT_EQ(Holidays(Build(file).Entry(2).Run().model), "02/06/2026=Repubblica;");
}

TEST(YearModel, HeadersAreCaseInsensitiveAndQuotedHeadersStillCount) {
  const std::string file =
      "<lingue>\r\nIt\r\n<Titoli>\r\nT\r\n<mesi>\r\n[1] Gennaio\r\n"
      "[Mesi] Marzo\r\n"    // a key, not a section: key number 0, the cover
      "\"[3]\" Marzo2\r\n"  // a quoted key header
      "\"<giorni\" \"[2]\" Martedi\r\n";
  const YearModel m = Build(file).Run().model;
  EXPECT_EQ(m.PageName[1], "Gennaio");
  EXPECT_EQ(m.PageName[0], "Marzo");
  EXPECT_EQ(m.PageName[3], "Marzo2");
  EXPECT_EQ(m.DayNames[1], "Mar");
}

TEST(YearModel, NumberKeysReadTheirLeadingNumber) {
  const std::string file =
      "<MESI>\r\n[01] Uno\r\n[1.5] UnoEMezzo\r\n[12abc] Dodici\r\n[13] Tredici\r\n"
      "[-1] Meno\r\n[99999999999] Troppo\r\n"
      "<GIORNI>\r\n[0] Zero\r\n[7] Domenica\r\n[8] Otto\r\n[3] M\xe8rcoled\xec\r\n";
  const YearModel m = Build(file).Run().model;
  EXPECT_EQ(m.PageName[1], "UnoEMezzo");
  EXPECT_EQ(m.PageName[12], "Dodici");
  EXPECT_EQ(m.PageName[0], "Copertina");
  EXPECT_EQ(m.DayNames[6], "Dom");
  EXPECT_EQ(m.DayNames[2], "M\u00e8r");  // three characters, four bytes
  for (const auto& name : m.DayNames) EXPECT_NE(name, "Zer");
}

TEST(YearModel, StoredIndexBeyondTheListChoosesTheFirstEntry) {
  const std::string file =
      "<LINGUE>\r\nA B C\r\n<TITOLI>\r\nTa Tb Tc\r\n<MESI>\r\n[1] Ma Mb Mc\r\n";
  for (const int stored : {5, 3, -1}) {
    const YearModel m = Build(file).Entry(stored).Run().model;
    EXPECT_EQ(m.LanguageIndex, 0) << stored;
    EXPECT_EQ(m.selectedEntry, 0) << stored;
    EXPECT_EQ(m.CurrentTitle, "Ta") << stored;
    EXPECT_EQ(m.PageName[1], "Ma") << stored;
  }
  const YearModel m = Build(file).Entry(2).Run().model;
  EXPECT_EQ(m.selectedEntry, 2);
  EXPECT_EQ(m.PageName[1], "Mc");
}

TEST(YearModel, TheLaterListSectionWins) {
  const std::string file =
      "<LINGUE>\r\nItaliano English Deutsch\r\n<PAESI>\r\nItalia Svizzera\r\n"
      "<TITOLI>\r\nA B\r\n";
  const YearModel m = Build(file).Run().model;
  EXPECT_EQ(m.entries, (Strings{"Italia", "Svizzera"}));
  EXPECT_EQ(m.entryLabel, "Paese");
  EXPECT_EQ(m.EntryCount, 2);

  // A list without a later title section: the list is replaced and nothing
  // is selected; the title list and its count keep their previous values.
  YearModel previous = m;
  Build again(std::string("<LINGUA>\r\nX Y Z W\r\n"));
  again.previous = previous;
  const YearModel n = again.Run().model;
  EXPECT_EQ(n.entries, (Strings{"X", "Y", "Z", "W"}));
  EXPECT_EQ(n.entryLabel, "Lingua");
  EXPECT_EQ(n.selectedEntry, -1);
  EXPECT_EQ(n.EntryCount, 2);
  EXPECT_EQ(n.TitleList, (Strings{"A", "B", ""}));
}

TEST(YearModel, TitlesBeforeAnyListAndRestartedTitles) {
  const YearModel early = Build(std::string("<TITOLI>\r\nSolo Altro\r\n")).Entry(2).Run().model;
  EXPECT_EQ(early.EntryCount, 0);
  EXPECT_EQ(early.LanguageIndex, 0);
  EXPECT_EQ(early.selectedEntry, -1);
  EXPECT_EQ(early.TitleList, (Strings{"Solo"}));
  EXPECT_EQ(early.CurrentTitle, "Solo");

  // A key header restarts the count, and with it the title list.
  const YearModel restarted =
      Build(std::string("<LINGUE>\r\nA B\r\n<TITOLI>\r\nT1 T2\r\n[x] U1\r\n")).Run().model;
  EXPECT_EQ(restarted.TitleList, (Strings{"U1", "", ""}));
  EXPECT_EQ(restarted.CurrentTitle, "U1");
}

TEST(YearModel, OnlyTheFirstHundredHolidaysAreStored) {
  std::string file = "<LINGUA>\r\nIt\r\n<TITOLO>\r\nT\r\n<FESTE>\r\n";
  for (int i = 1; i <= 105; ++i)
    file += "[+" + std::to_string(i) + "] F" + std::to_string(i) + "\r\n";
  const YearModel m = Build(file).Layout(static_cast<int>(LayoutCode::Weekly)).Run().model;
  EXPECT_EQ(m.HolidayCount, 105);
  ASSERT_EQ(m.HolidayDates.size(), 100u);
  ASSERT_EQ(m.HolidayNames.size(), 100u);
  EXPECT_EQ(m.HolidayDates[0], "06/04/2026");
  EXPECT_EQ(m.HolidayNames[99], "F100");
  EXPECT_EQ(m.HolidayDates[99], "14/07/2026");

  // Copies count towards the hundred: entry 100 is a date whose copy is lost.
  std::string copies = "<FESTE>\r\n";
  for (int i = 1; i <= 99; ++i) copies += "[+1] P\r\n";
  copies += "[31/12] Fine\r\n";
  const YearModel c = Build(copies).Layout(static_cast<int>(LayoutCode::Semester)).Run().model;
  EXPECT_EQ(c.HolidayCount, 101);
  EXPECT_EQ(c.HolidayDates[99], "31/12/2026");
  EXPECT_EQ(c.HolidayNames[99], "Fine");
}

TEST(YearModel, HolidayTableWithoutHolidays) {
  // No holiday section: one empty entry.
  const YearModel none = Build(std::string("<MESI>\r\n[1] Gennaio\r\n")).Run().model;
  EXPECT_EQ(none.HolidayCount, 1);
  EXPECT_EQ(Holidays(none), "=;");
  // A holiday section whose items are all suppressed: no entry.
  const YearModel suppressed = Build(std::string("<FESTE>\r\n[01/01] -\r\n")).Run().model;
  EXPECT_EQ(suppressed.HolidayCount, 0);
  EXPECT_TRUE(suppressed.HolidayDates.empty());
  // A holiday section with keys only behaves as none.
  EXPECT_EQ(Build(std::string("<FESTE>\r\n[01/01]\r\n")).Run().model.HolidayCount, 1);
}

TEST(YearModel, KeepsWhatTheFileDoesNotSupply) {
  const YearModel first = Build(kExample).Entry(0).Run().model;
  ASSERT_EQ(first.PageName[2], "Febbraio");

  // The new entry has no item in the February row.
  Build partial(
      std::string("<LINGUE>\r\nA B\r\n<TITOLI>\r\nTa\r\n<MESI>\r\n[1] Ga Gb\r\n"
                  "[2] Fa\r\n<GIORNI>\r\n[1] La\r\n"));
  partial.previous = first;
  partial.previous.LanguageIndex = 1;
  const YearModel m = partial.Run().model;
  EXPECT_EQ(m.PageName[1], "Gb");
  EXPECT_EQ(m.PageName[2], "Febbraio");
  EXPECT_EQ(m.DayNames[0], "Lun");
  EXPECT_EQ(m.CurrentTitle, "Buon anno");  // no title item for entry 1
  EXPECT_EQ(m.TitleList, (Strings{"Ta", "", ""}));

  // A file that cannot be opened changes nothing of the file's side, but the
  // year moves on.
  Build missing(std::nullopt, "2027");
  missing.previous = first;
  const YearModel gone = missing.Run().model;
  EXPECT_EQ(gone.CalendarYear, 2027);
  EXPECT_EQ(gone.HolidayDates, first.HolidayDates);
  EXPECT_EQ(gone.HolidayCount, first.HolidayCount);
  EXPECT_EQ(gone.entries, first.entries);
  EXPECT_EQ(gone.PageName, first.PageName);
  EXPECT_EQ(gone.selectedEntry, first.selectedEntry);
}

TEST(YearModel, PictureRows) {
  const std::string file =
      "<FOTO>\r\n"
      "[3] mar.jpg\r\n"
      "[4] \"/home/u/my pics/apr.jpg\"   \"Spring \"\"here\" extra\r\n"
      "[5] C:\\foto\\mag.jpg plain note words\r\n"
      "[13] x.jpg [6] not.jpg\r\n"    // out of range: the line is used up
      "[0] cover.jpg \"Citt\xe0\r\n"  // the last character is two bytes
      "[7] lug.jpg \"\r\n";           // a lone quote leaves no note
  Build build(file);
  build.previous.PhotoPaths[3] = "/home/u/chosen.jpg";
  build.previous.PhotoNotes[3] = "chosen";
  build.previous.PhotoPaths[6] = "/home/u/giu.jpg";
  const YearLoad load = build.Run();
  const YearModel& m = load.model;
  EXPECT_EQ(m.PhotoPaths[3], "/opt/orsalimbra/mar.jpg");
  EXPECT_EQ(m.PhotoNotes[3], "");
  EXPECT_EQ(m.PhotoPaths[4], "/home/u/my pics/apr.jpg");
  EXPECT_EQ(m.PhotoNotes[4], "Spring \"\"here\" extr");
  EXPECT_EQ(m.PhotoPaths[5], "C:\\foto\\mag.jpg");
  EXPECT_EQ(m.PhotoNotes[5], "plain note words");
  EXPECT_EQ(m.PhotoPaths[6], "/home/u/giu.jpg");
  EXPECT_EQ(m.PhotoNotes[0], "Citt");
  EXPECT_EQ(m.PhotoNotes[7], "");
  Strings writes;
  for (const auto& w : load.settingsWrites) writes.push_back(w.key + "=" + w.value);
  EXPECT_EQ(writes,
            (Strings{"Foto03=/opt/orsalimbra/mar.jpg", "Nota03=", "Foto04=/home/u/my pics/apr.jpg",
                     "Nota04=Spring \"\"here\" extr", "Foto05=C:\\foto\\mag.jpg",
                     "Nota05=plain note words", "Foto00=/opt/orsalimbra/cover.jpg", "Nota00=Citt",
                     "Foto07=/opt/orsalimbra/lug.jpg", "Nota07="}));

  // Pictures chosen by the user win: nothing changes, nothing is written, and
  // the note words are read as items and ignored.
  Build user(file + "<MESI>\r\n[1] Gennaio\r\n");
  user.previous = build.previous;
  user.inputs.userPhotosSet = true;
  const YearLoad kept = user.Run();
  EXPECT_TRUE(kept.settingsWrites.empty());
  EXPECT_EQ(kept.model.PhotoPaths, build.previous.PhotoPaths);
  EXPECT_EQ(kept.model.PhotoNotes, build.previous.PhotoNotes);
  EXPECT_EQ(kept.model.PageName[1], "Gennaio");
}

TEST(YearModel, BarePictureNamesTryTheProgramFolderThenTheUsers) {
  struct Case {
    const char* name;
    std::string userFolder;
    std::set<std::string> existing;
    bool noTest;  // no file-exists test given
    std::string expected;
  };
  const std::string prog = "/opt/orsalimbra/neve.jpg";
  const std::string mine = "/home/u/.local/share/Nerb/Orsalimbra/neve.jpg";
  const Case cases[] = {
      {"only in the program folder", "/home/u/.local/share/Nerb/Orsalimbra", {prog}, false, prog},
      {"in both: the program folder wins",
       "/home/u/.local/share/Nerb/Orsalimbra",
       {prog, mine},
       false,
       prog},
      {"only in the user's folder", "/home/u/.local/share/Nerb/Orsalimbra", {mine}, false, mine},
      {"in neither: the program folder's name",
       "/home/u/.local/share/Nerb/Orsalimbra",
       {},
       false,
       prog},
      {"no user folder", "", {mine}, false, prog},
      {"no file test", "/home/u/.local/share/Nerb/Orsalimbra", {}, true, prog},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Build build("<FOTO>\r\n[1] neve.jpg note\r\n[2] /elsewhere/b.jpg\r\n");
    build.inputs.userFolder = c.userFolder;
    if (!c.noTest) {
      build.inputs.fileExists = [&c](const std::string& p) { return c.existing.count(p) > 0; };
    }
    const YearLoad load = build.Run();
    EXPECT_EQ(load.model.PhotoPaths[1], c.expected);
    EXPECT_EQ(load.model.PhotoPaths[2], "/elsewhere/b.jpg");
    ASSERT_FALSE(load.settingsWrites.empty());
    EXPECT_EQ(load.settingsWrites.front().value, c.expected);
  }
}

TEST(YearModel, PictureFlagsFollowTheFilesThatExist) {
  Build build(std::nullopt);
  for (int k = 0; k <= 12; ++k) build.previous.PhotoPaths[k] = "/p/" + std::to_string(k);
  const auto run = [&](std::set<std::string> existing) {
    build.inputs.fileExists = [existing](const std::string& p) { return existing.count(p) > 0; };
    return build.Run().model;
  };
  const YearModel none = run({});
  EXPECT_TRUE(none.NoMonthPhotos);
  EXPECT_EQ(none.firstMonthPhoto, 0);
  EXPECT_FALSE(none.HasCoverPhoto);
  const YearModel april = run({"/p/4", "/p/9"});
  EXPECT_FALSE(april.NoMonthPhotos);
  EXPECT_EQ(april.firstMonthPhoto, 4);
  EXPECT_FALSE(april.HasCoverPhoto);
  const YearModel cover = run({"/p/0"});
  EXPECT_TRUE(cover.HasCoverPhoto);
  EXPECT_TRUE(cover.NoMonthPhotos);
  // Without a predicate nothing exists; an empty path is never asked about.
  build.inputs.fileExists = nullptr;
  EXPECT_TRUE(build.Run().model.NoMonthPhotos);
  build.previous.PhotoPaths[0] = "";
  EXPECT_FALSE(run({""}).HasCoverPhoto);
}

TEST(YearModel, ItemsBeforeAnyKeyBelongToTheEmptyKey) {
  // After a section header the key is empty and its number 0: a holiday item
  // there is a fixed date of no known form, whatever the key before was.
  const std::string file = "<MESI>\r\nCover\r\n<FESTE>\r\n[+1] Pasquetta\r\n<FESTE>\r\nSenza\r\n";
  const YearModel m = Build(file).Run().model;
  EXPECT_EQ(m.PageName[0], "Cover");
  EXPECT_EQ(Holidays(m), "06/04/2026=Pasquetta;/2026=Senza;");
}

}  // namespace

// Items over their caps are junk: an empty name or title (the list keeps its
// length, so later entries stay in place), no holiday, no picture row.
// Items at the cap are taken.
TEST(YearModel, ItemsOverTheirCapsCountAsJunk) {
  const std::string atCap(kMaxNameBytes, 'n');
  const std::string overCap(kMaxNameBytes + 1, 'x');
  const std::string longPath(kMaxPathBytes + 1, 'p');
  const std::string longNote(kMaxNoteBytes + 1, 'z');
  struct Row {
    const char* name;
    std::string file;
    int entry;
    std::function<void(const YearLoad&)> check;
  };
  const std::string list = "<LINGUE>\r\n" + overCap + " Italiano\r\n";
  const Row rows[] = {
      {"list entry", list + "<TITOLI>\r\nA B\r\n", 1,
       [&](const YearLoad& l) {
         EXPECT_EQ(l.model.entries, Strings({"", "Italiano"}));
         EXPECT_EQ(l.model.CurrentTitle, "B");
       }},
      {"title", list + "<TITOLI>\r\nA " + overCap + "\r\n", 1,
       [&](const YearLoad& l) {
         EXPECT_EQ(l.model.TitleList, Strings({"A", "", ""}));
         EXPECT_EQ(l.model.CurrentTitle, "");
       }},
      {"title at the cap", list + "<TITOLI>\r\nA " + atCap + "\r\n", 1,
       [&](const YearLoad& l) { EXPECT_EQ(l.model.CurrentTitle, atCap); }},
      {"month name", "<MESI>\r\n[3] " + overCap + "\r\n[4] Aprile\r\n", 0,
       [&](const YearLoad& l) {
         EXPECT_EQ(l.model.PageName[3], "");
         EXPECT_EQ(l.model.PageName[4], "Aprile");
       }},
      {"holiday", "<FESTE>\r\n[01/01] " + overCap + "\r\n[25/12] Natale\r\n", 0,
       [&](const YearLoad& l) { EXPECT_EQ(Holidays(l.model), "25/12/2026=Natale;"); }},
      {"picture name", "<FOTO>\r\n[1] " + longPath + " nota\r\n[2] b.jpg ok\r\n", 0,
       [&](const YearLoad& l) {
         EXPECT_EQ(l.model.PhotoPaths[1], "");
         EXPECT_EQ(l.model.PhotoPaths[2], "/opt/orsalimbra/b.jpg");
         EXPECT_EQ(l.settingsWrites.size(), 2u);
       }},
      {"picture note", "<FOTO>\r\n[1] a.jpg " + longNote + "\r\n", 0,
       [&](const YearLoad& l) {
         EXPECT_EQ(l.model.PhotoPaths[1], "");
         EXPECT_TRUE(l.settingsWrites.empty());
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.check(Build(row.file).Entry(row.entry).Run());
  }
}

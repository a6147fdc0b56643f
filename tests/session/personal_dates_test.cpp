#include "session/personal_dates.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "core/date_text.h"
#include "session/settings_keys.h"
#include "support/qt_test_support.h"

namespace orsalimbra::session {
namespace {

using test_support::ReadFile;
using test_support::UseSettingsFolder;
using test_support::WriteFile;

// A settings file in a folder of its own, read again as after a restart:
// Qt caches a parsed file for the life of the process.
class PersonalDatesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(root_.isValid()); }

  QString NewFolder() {
    const QString folder = root_.filePath(QStringLiteral("run%1").arg(runs_++));
    EXPECT_TRUE(QDir().mkpath(folder + QStringLiteral("/Nerb")));
    UseSettingsFolder(folder);
    return folder;
  }
  void Seed(const QByteArray& ini) {
    EXPECT_TRUE(WriteFile(NewFolder() + QStringLiteral("/Nerb/Nerb.ini"), ini));
  }
  QByteArray Restart(const QString& folder) {
    const QByteArray ini = ReadFile(folder + QStringLiteral("/Nerb/Nerb.ini"));
    Seed(ini);
    return ini;
  }
  QString CalendarFile(const char* name, const QByteArray& bytes) {
    const QString path = root_.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(WriteFile(path, bytes));
    return path;
  }

  QTemporaryDir root_;
  int runs_ = 0;
};

TEST_F(PersonalDatesTest, StoredSettingsReadBackAfterARestart) {
  struct Case {
    const char* name;
    std::vector<PersonalDateFile> files;
    render::Colour colour;
  };
  const Case cases[] = {
      {"none", {}, render::kDarkBlue},
      {"one, used", {{QStringLiteral("/home/a/compleanni.ics"), true}}, render::Rgb(1, 2, 3)},
      {"set aside and used, with a comma and accents",
       {{QStringLiteral("/tmp/a, b.ics"), false}, {QStringLiteral("/tmp/città.ics"), true}},
       render::kDarkBlue},
  };
  for (const Case& c : cases) {
    const QString folder = NewFolder();
    SettingsStore store(QStringLiteral("Orsalimbra"));
    ASSERT_TRUE(WritePersonalDateSettings(store, {c.files, c.colour})) << c.name;
    Restart(folder);
    const PersonalDateSettings read = ReadPersonalDateSettings(SettingsStore(store.section()));
    ASSERT_EQ(read.files.size(), c.files.size()) << c.name;
    for (std::size_t i = 0; i < c.files.size(); ++i) {
      EXPECT_EQ(read.files[i].path, c.files[i].path) << c.name;
      EXPECT_EQ(read.files[i].enabled, c.files[i].enabled) << c.name;
    }
    EXPECT_EQ(read.colour, c.colour) << c.name;
  }
}

TEST_F(PersonalDatesTest, OldOrOddSettingsReadAsNoFilesOrSkipTheOddOnes) {
  struct Case {
    const char* name;
    QByteArray ini;
    std::vector<std::string> enabled;
    render::Colour colour;
  };
  const Case cases[] = {
      {"a section from before the keys",
       "[Orsalimbra]\nVersione=3\nTipo=1\n",
       {},
       render::kDarkBlue},
      {"a count that is no number",
       "[Orsalimbra]\nDatePersonali=tre\nDatePersonali01=/a.ics\n",
       {},
       render::kDarkBlue},
      {"an empty path is skipped, no flag means used",
       "[Orsalimbra]\nDatePersonali=3\nDatePersonali01=\nDatePersonali02=/b.ics\n"
       "DatePersonali03=/c.ics\nDatePersonaliUsato03=False\nColoreDatePersonali=blu\n",
       {"/b.ics"},
       render::kDarkBlue},
      {"a count beyond the bound reads the bound",
       "[Orsalimbra]\nDatePersonali=99999\n"
       "DatePersonali01=/a.ics\nColoreDatePersonali=255\n",
       {"/a.ics"},
       render::kRed},
  };
  for (const Case& c : cases) {
    Seed(c.ini);
    const PersonalDateSettings read =
        ReadPersonalDateSettings(SettingsStore(QStringLiteral("Orsalimbra")));
    EXPECT_EQ(read.enabledPaths(), c.enabled) << c.name;
    EXPECT_EQ(read.colour, c.colour) << c.name;
  }
}

TEST_F(PersonalDatesTest, AShorterListEmptiesTheKeysOfTheFilesRemoved) {
  const QString folder = NewFolder();
  SettingsStore store(QStringLiteral("Orsalimbra"));
  ASSERT_TRUE(WritePersonalDateSettings(
      store, {{{QStringLiteral("/a.ics")}, {QStringLiteral("/b.ics")}, {QStringLiteral("/c.ics")}},
              render::kDarkBlue}));
  ASSERT_TRUE(WritePersonalDateSettings(store, {{{QStringLiteral("/b.ics")}}, render::kDarkBlue}));
  const QByteArray ini = Restart(folder);
  EXPECT_FALSE(ini.contains("/c.ics")) << ini.toStdString();
  EXPECT_EQ(ReadPersonalDateSettings(SettingsStore(store.section())).enabledPaths(),
            std::vector<std::string>{"/b.ics"});
}

TEST_F(PersonalDatesTest, DatesOfTheYearAndItsNeighbourMonthsFromTheFilesThatCanBeRead) {
  const QString good = CalendarFile("good.ics",
                                    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                                    "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20000105\r\n"
                                    "RRULE:FREQ=YEARLY\r\nSUMMARY:Compleanno\r\nEND:VEVENT\r\n"
                                    "END:VCALENDAR\r\n");
  const QString missing = root_.filePath(QStringLiteral("none.ics"));
  const PersonalDatesLoad load =
      LoadPersonalDates({missing.toStdString(), good.toStdString()}, 2026, "Europe/Rome");
  std::vector<std::string> days;
  for (const core::PersonalDate& d : load.dates) days.push_back(core::DateText(d.Date));
  // 5 January of the year and of the next: its January is on the pages.
  EXPECT_EQ(days, (std::vector<std::string>{"05/01/2026", "05/01/2027"}));
  ASSERT_EQ(load.problems.size(), 1u);
  EXPECT_EQ(load.problems[0].file, missing.toStdString());
  const QString text = ItalianProblemsText(load.problems);
  EXPECT_TRUE(text.contains(missing)) << text.toStdString();
  EXPECT_TRUE(LoadPersonalDates({}, 2026, "UTC").dates.empty());
}

TEST(PersonalDatesText, ListsTheFirstProblemsAndCountsTheRest) {
  std::vector<events::ImportProblem> problems(11);
  for (std::size_t i = 0; i < problems.size(); ++i) {
    problems[i].file = "f" + std::to_string(i) + ".ics";
    problems[i].kind = events::ImportProblem::Kind::Missing;
  }
  struct Case {
    std::size_t count;
    int lines;
    bool more;
  };
  for (const Case& c :
       {Case{0, 0, false}, Case{1, 1, false}, Case{8, 8, false}, Case{11, 9, true}}) {
    const QString text = ItalianProblemsText({problems.begin(), problems.begin() + c.count});
    EXPECT_EQ(text.isEmpty() ? 0 : text.count(QLatin1Char('\n')) + 1, c.lines) << c.count;
    EXPECT_EQ(text.contains(QStringLiteral("e altri 3 problemi")), c.more) << c.count;
  }
}

}  // namespace
}  // namespace orsalimbra::session

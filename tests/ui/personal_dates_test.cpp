// The user's calendar files in the main window and in the "Date personali"
// window: stored, read for the year, told when they cannot be read.
#include <QListWidget>
#include <QToolButton>

#include "main_window_fixture.h"
#include "ui/personal_dates_window.h"

namespace orsalimbra::ui::testing {
namespace {

const QByteArray kBirthdays =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
    "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:19700310\r\nRRULE:FREQ=YEARLY\r\n"
    "SUMMARY:Compleanno di Ada\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:19600229\r\nRRULE:FREQ=YEARLY\r\n"
    "SUMMARY:Compleanno di Bruno\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

class PersonalDatesTest : public MainWindowTest {
 protected:
  QString CalendarFile(const char* name, const QByteArray& bytes = kBirthdays) {
    const QString path = root_.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(test_support::WriteFile(path, bytes));
    return path;
  }
  std::vector<std::string> Dates() {
    std::vector<std::string> out;
    for (const core::PersonalDate& d : Year().PersonalDates) {
      out.push_back(core::DateText(d.Date) + " " + d.Text);
    }
    return out;
  }
};

TEST_F(PersonalDatesTest, StoredFilesGiveTheDatesOfTheYearAndAMissingOneIsToldOnce) {
  const QString good = CalendarFile("compleanni.ics");
  const QString missing = root_.filePath(QStringLiteral("perso.ics"));
  SeedSettings("DatePersonali=2\nDatePersonali01=" + good.toUtf8() +
               "\nDatePersonali02=" + missing.toUtf8() + "\n");
  Start();
  EXPECT_EQ(Dates(), (std::vector<std::string>{"28/02/2026 Compleanno di Bruno",
                                               "10/03/2026 Compleanno di Ada"}));
  for (const core::PersonalDate& d : Year().PersonalDates) {
    EXPECT_EQ(std::find(Year().HolidayNames.begin(), Year().HolidayNames.end(), d.Text),
              Year().HolidayNames.end());
  }
  ASSERT_EQ(personalDatesProblems.size(), 1u);
  EXPECT_TRUE(personalDatesProblems[0].contains(missing)) << personalDatesProblems[0].toStdString();
  // Another year reads the same files: the same problem is not told again.
  Click(Control<SpinButtons>("UpDown1")->upButton());
  EXPECT_EQ(Year().CalendarYear, 2027);
  EXPECT_EQ(personalDatesProblems.size(), 1u);
}

TEST_F(PersonalDatesTest, TheCommandStoresAConfirmedChangeAndRebuildsAndACancelDoesNothing) {
  struct Case {
    const char* name;
    bool confirm;
    std::vector<std::string> dates;
    std::optional<QString> storedCount;
  };
  const Case cases[] = {
      {"cancelled", false, {}, std::nullopt},
      {"confirmed",
       true,
       {"28/02/2026 Compleanno di Bruno", "10/03/2026 Compleanno di Ada"},
       QStringLiteral("1")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UseNewSettingsFolder();
    const QString file = CalendarFile("famiglia.ics");
    personalDatesEdit = nullptr;
    if (c.confirm) {
      personalDatesEdit = [&](session::PersonalDateSettings& s) {
        s.files.push_back({file, true});
        s.colour = render::Rgb(0, 100, 0);
      };
    }
    Form1& w = Start();
    const int builds = w.yearModelBuilds();
    w.PersonalDatesCommand();
    EXPECT_EQ(w.yearModelBuilds(), builds + (c.confirm ? 1 : 0));
    EXPECT_EQ(Dates(), c.dates);
    EXPECT_EQ(Stored(session::keys::DatePersonali), c.storedCount);
    if (!c.confirm) continue;
    EXPECT_EQ(Stored(session::keys::ColoreDatePersonali), QString::number(100 * 256));
    // A new run starts with them.
    Form1& again = Restart();
    EXPECT_EQ(again.personalDateSettings().files.size(), 1u);
    EXPECT_EQ(Dates(), c.dates);
  }
}

TEST_F(PersonalDatesTest, TheWindowCountsTheTickedFilesAndShowsWhatCannotBeRead) {
  const QString a = CalendarFile("a.ics");
  const QString missing = root_.filePath(QStringLiteral("manca.ics"));
  QStringList chosen{a, missing, a};
  PersonalDatesHooks hooks;
  hooks.chooseFiles = [&](QWidget*) { return chosen; };
  hooks.chooseColour = [](QWidget*, const QColor&) { return QColor(1, 2, 3); };
  hooks.load = [](const std::vector<std::string>& paths) {
    return session::LoadPersonalDates(paths, 2026, "Europe/Rome");
  };
  PersonalDatesWindow window({}, 2026, hooks);
  EXPECT_EQ(window.countLabel()->text(), "Nessuna data personale nel 2026");

  window.addButton()->click();
  ASSERT_EQ(window.fileList()->count(), 2);  // the same file once
  EXPECT_EQ(window.countLabel()->text(), "2 date personali nel 2026");
  EXPECT_TRUE(window.problemLabel()->text().contains(missing));

  window.fileList()->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_TRUE(window.problemLabel()->text().isEmpty());
  window.fileList()->item(0)->setSelected(true);
  window.removeButton()->click();
  EXPECT_EQ(window.countLabel()->text(), "Nessuna data personale nel 2026");
  window.colourButton()->click();

  const session::PersonalDateSettings s = window.settings();
  ASSERT_EQ(s.files.size(), 1u);
  EXPECT_EQ(s.files[0].path, missing);
  EXPECT_FALSE(s.files[0].enabled);
  EXPECT_EQ(s.colour, render::Rgb(1, 2, 3));
}

TEST(PersonalDatesCount, ItalianNumberAgreement) {
  EXPECT_EQ(PersonalDatesCountText(2026, 0), "Nessuna data personale nel 2026");
  EXPECT_EQ(PersonalDatesCountText(2026, 1), "1 data personale nel 2026");
  EXPECT_EQ(PersonalDatesCountText(2027, 12), "12 date personali nel 2027");
}

}  // namespace
}  // namespace orsalimbra::ui::testing

// The print jobs written to real PDF files through the Qt surface, read back
// with pdfinfo and pdftotext: the pages of every layout, in order, with
// their titles and holidays.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "pdf_tools.h"
#include "render/cover_page.h"
#include "render_qt/qt_pdf_export.h"
#include "sample_calendar.h"

namespace orsalimbra::render::testing {
namespace {

const QStringList kMonths{"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                          "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

PrintInputs SampleInputs(const SampleCalendar& sample, int layout, int noMonthPhotos) {
  PrintInputs inputs;
  inputs.year = sample.year;
  inputs.year.NoMonthPhotos = noMonthPhotos;
  inputs.yearText = "2024";
  inputs.choices.LayoutType = core::LayoutCode{layout};
  inputs.choices.CoverStyle = CoverCode::TitleTop;
  inputs.choices.titleLook.TitleFont = "Liberation Serif";
  inputs.choices.moonLook = MoonLookFor(MoonCode::OchreYellowQuarters);
  inputs.choices.programFolder = sample.folder.toStdString();
  return inputs;
}

// Each page's words hold `present` in that order (the first time each
// appears) and no other month name; a holiday text for some pages.
void ExpectPages(const QString& pdf, const std::vector<QStringList>& pages,
                 const std::map<int, QString>& holidays = {}) {
  ASSERT_EQ(PdfInfo(pdf, "Pages").toInt(), static_cast<int>(pages.size()));
  for (int p = 0; p < static_cast<int>(pages.size()); ++p) {
    SCOPED_TRACE(::testing::Message() << "page " << p + 1);
    const QStringList words = PdfPageWords(pdf, p + 1);
    qsizetype last = -1;
    for (const QString& word : pages[static_cast<std::size_t>(p)]) {
      const qsizetype at = words.indexOf(word);
      EXPECT_GT(at, last) << word.toStdString() << " missing or out of order";
      last = std::max(last, at);
    }
    for (const QString& month : kMonths) {
      if (!pages[static_cast<std::size_t>(p)].contains(month)) {
        EXPECT_FALSE(words.contains(month)) << month.toStdString();
      }
    }
    if (const auto it = holidays.find(p); it != holidays.end()) {
      // In drawing order a holiday may follow its day number without a gap.
      EXPECT_TRUE(words.join(' ').contains(it->second)) << it->second.toStdString();
    }
  }
}

const QStringList kCover{"Almanacco", "2024"};
const QStringList kBack{"Buon", "anno", "famiglia", "Generatore", "calendari"};

TEST(PdfExport, PrintAllInEveryLayout) {
  QTemporaryDir dir;
  SampleCalendar sample(dir.path());
  ASSERT_TRUE(sample.ready);

  std::vector<QStringList> single{kCover, kBack};
  for (const QString& month : kMonths) single.push_back({month, "2024"});
  std::vector<QStringList> pairs{kCover, kBack};
  for (int m = 0; m < 12; m += 2) pairs.push_back({kMonths[m], kMonths[m + 1]});
  // Weekly grids name the day only in its heading, the daily list every day.
  const std::map<int, QString> singleHolidays{{2, "Capodanno"}, {5, "Liberazione"}};
  const std::map<int, QString> pairHolidays{{2, "Capodanno"}, {3, "Liberazione"}};

  struct Row {
    const char* name;
    int layout;
    int noMonthPhotos;
    const std::vector<QStringList>& pages;
    const std::map<int, QString>& holidays;
  };
  const std::vector<QStringList> semester{{"Almanacco", "Dicembre", "2023", "Gennaio", "Febbraio",
                                           "Marzo", "Aprile", "Maggio", "Giugno", "Luglio"},
                                          {"Almanacco", "Giugno", "Luglio", "Agosto", "Settembre",
                                           "Ottobre", "Novembre", "Dicembre", "Gennaio", "2025"}};
  const std::map<int, QString> semesterHolidays{{0, "Capodanno"}};
  const Row rows[] = {
      {"semester", 0, 1, semester, semesterHolidays},
      {"weekly with pictures", 1, 0, single, singleHolidays},
      {"weekly, two months a page", 1, 1, pairs, pairHolidays},
      {"daily with pictures", 2, 0, single, singleHolidays},
      {"daily, two months a page", 2, 1, pairs, pairHolidays},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString pdf =
        dir.filePath(QStringLiteral("layout%1-%2.pdf").arg(row.layout).arg(row.noMonthPhotos));
    const PrintResult result =
        ExportPdf({pdf}, SampleInputs(sample, row.layout, row.noMonthPhotos), PrintRequest::All());
    ASSERT_EQ(result.status, PrintStatus::Printed) << result.failure.Text();
    EXPECT_EQ(result.pages, static_cast<int>(row.pages.size()));
    ExpectPages(pdf, row.pages, row.holidays);
  }
}

TEST(PdfExport, SecondHalfBackwardsAndTheCoverAlone) {
  QTemporaryDir dir;
  SampleCalendar sample(dir.path());
  ASSERT_TRUE(sample.ready);
  {
    const QString pdf = dir.filePath("second.pdf");
    PrintInputs inputs = SampleInputs(sample, 2, 1);
    inputs.choices.OrdInv = true;
    ASSERT_EQ(ExportPdf({pdf}, inputs, PrintRequest::Half(HalfYear::Second)).status,
              PrintStatus::Printed);
    // The even month is drawn first, at its lower place.
    ExpectPages(pdf, {{"Dicembre", "Novembre"}, {"Ottobre", "Settembre"}, {"Agosto", "Luglio"}});
  }
  {
    const QString pdf = dir.filePath("cover.pdf");
    PrintInputs inputs = SampleInputs(sample, 1, 0);
    inputs.year.PhotoNotes[0] = "-";
    ASSERT_EQ(ExportPdf({pdf}, inputs, PrintRequest::Half(HalfYear::CoverOnly)).status,
              PrintStatus::Printed);
    ExpectPages(pdf, {kCover});
  }
}

TEST(PdfExport, PageOfThePaperChosen) {
  QTemporaryDir dir;
  SampleCalendar sample(dir.path());
  const QString pdf = dir.filePath("letter.pdf");
  PdfTarget target{pdf, QPageSize(QPageSize::Letter)};
  ASSERT_EQ(ExportPdf(target, SampleInputs(sample, 1, 1), PrintRequest::Month(3)).status,
            PrintStatus::Printed);
  EXPECT_TRUE(PdfInfo(pdf, "Page size").startsWith("612 x 792"))
      << PdfInfo(pdf, "Page size").toStdString();
  ExpectPages(pdf, {{"Marzo", "Aprile"}});
}

TEST(PdfExport, OnlyAWholeDocumentTakesTheTargetName) {
  QTemporaryDir dir;
  SampleCalendar sample(dir.path());
  // A folder that does not exist: nothing can be written, nothing is left.
  const QString missing = dir.filePath("no-such-folder/calendar.pdf");
  const PrintResult failed = ExportPdf({missing}, SampleInputs(sample, 1, 1), PrintRequest::All());
  EXPECT_EQ(failed.status, PrintStatus::Failed);
  EXPECT_EQ(failed.failure.kind, DeviceFailure::Kind::CannotWriteFile);
  EXPECT_EQ(failed.failure.subject, missing.toStdString());
  EXPECT_EQ(failed.failure.Text().find(".part"), std::string::npos) << failed.failure.Text();
  EXPECT_FALSE(QFile::exists(missing));

  // An existing file is replaced by the finished document, and no
  // temporary file stays beside it.
  const QString existing = dir.filePath("old.pdf");
  QFile old(existing);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("not a calendar");
  old.close();
  ASSERT_EQ(ExportPdf({existing}, SampleInputs(sample, 1, 1), PrintRequest::Month(0)).status,
            PrintStatus::Printed);
  EXPECT_EQ(PdfInfo(existing, "Pages"), "1");
  EXPECT_EQ(QDir(dir.path()).entryList({"*.part"}, QDir::Hidden | QDir::Files).size(), 0);

  // A command that prints nothing writes nothing.
  const QString nothing = dir.filePath("nothing.pdf");
  PrintInputs noCover = SampleInputs(sample, 1, 1);
  noCover.choices.CoverStyle = CoverCode{0};
  EXPECT_EQ(ExportPdf({nothing}, noCover, PrintRequest::Half(HalfYear::CoverOnly)).status,
            PrintStatus::NothingToPrint);
  EXPECT_FALSE(QFile::exists(nothing));
}

}  // namespace
}  // namespace orsalimbra::render::testing

// The print jobs on the recording surface: which pages, in which order, with
// which progress, and how a job ends when the device fails.
#include "render/print_jobs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/credits.h"
#include "render/moon_look.h"
#include "support/recording_surface.h"

namespace orsalimbra::render::testing {
namespace {

using Kind = RecordingSurface::Kind;

// A4's printable area: the two months of a sheet fit it.
constexpr double kPageWidth = kA4PrintableWidth;
constexpr double kPageHeight = 16440;

// The steps the jobs count: the days of a year, a year with its cover, a
// half-year of month pages, a half-year page, and the cover alone.
constexpr int kPrintAllDays = 365;
constexpr int kPrintAllWithCover = 395;
constexpr int kHalfYearDays = 183;
constexpr int kSemesterPageDays = 240;
constexpr int kCoverOnlySteps = 100;

std::string PartName(HalfYear part) { return std::to_string(static_cast<int>(part)); }

const std::array<std::string, 13> kNames{"Copertina", "Gennaio",  "Febbraio", "Marzo",  "Aprile",
                                         "Maggio",    "Giugno",   "Luglio",   "Agosto", "Settembre",
                                         "Ottobre",   "Novembre", "Dicembre"};

// A surface that could not start (a file that cannot be created, say).
class DeadSurface : public RecordingSurface {
 public:
  DeadSurface() { Fail({DeviceFailure::Kind::CannotWriteFile, "calendar.pdf"}); }
};

// The window's side of a job, recording what the job asked of it.
class TestHost : public PrintHost {
 public:
  explicit TestHost(int year = 2024) {
    core::YearModel& y = inputs.year;
    y.CalendarYear = year;
    y.MonthStart = std::chrono::year{year} / 1 / 1;
    y.MonthDays = core::MonthLengthsOf(year);
    y.PageName = kNames;
    y.DayNames = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
    y.CurrentTitle = "Almanacco";
    y.PhotoPaths[0] = "/pics/cover.jpg";
    inputs.yearText = std::to_string(year);
    RecordingSurface probe(kPageWidth, kPageHeight);
    inputs.choices.metrics = MeasurePage(probe);
    inputs.choices.fileExists = [](const std::string&) { return false; };
    inputs.choices.moonPhases = [](int, int, bool, int) { return core::MoonPhaseTable{}; };
  }

  bool ChoosePrinter() override {
    ++dialogs;
    return printerReady;
  }
  PrintInputs Inputs() override { return inputs; }
  Surface& PageMeasure() override { return measure; }
  Surface* OpenDocument() override {
    if (noDevice) return nullptr;
    documents.push_back(deadDevice ? std::make_unique<DeadSurface>()
                                   : std::make_unique<RecordingSurface>(kPageWidth, kPageHeight));
    RecordingSurface& s = *documents.back();
    s.AddPicture("/pics/cover.jpg", 3000, 4000);
    if (failPage) s.FailNewPageAfter(*failPage);
    return &s;
  }
  void CloseDocument() override { ++closed; }
  void SetProgressMaximum(int maximum) override {
    maxima.push_back(maximum);
    this->maximum = maximum;
  }
  void SetProgressValue(int value) override {
    values.push_back(value);
    this->value = value;
  }
  void SetProgressVisible(bool visible) override {
    visibility.push_back(visible);
    this->visible = visible;
  }
  void LetEventsRun() override {
    ++yields;
    if (duringJob) duringJob();
  }
  void PartStarted(HalfYear part) override { parts.push_back("start " + PartName(part)); }
  void PartFinished(HalfYear part) override {
    parts.push_back("end " + PartName(part));
    finished = part;
  }

  const RecordingSurface& Document() const { return *documents.at(0); }

  PrintInputs inputs;
  RecordingSurface measure{kPageWidth, kPageHeight};
  bool printerReady = true;
  bool noDevice = false;
  bool deadDevice = false;
  std::optional<int> failPage;
  std::function<void()> duringJob;

  int dialogs = 0;
  int closed = 0;
  int yields = 0;
  std::vector<std::unique_ptr<RecordingSurface>> documents;
  std::vector<int> maxima;
  std::vector<int> values;
  std::vector<bool> visibility;
  std::vector<std::string> parts;    // "start 1", "end 1", ...
  std::optional<HalfYear> finished;  // the last part drawn
  int maximum = 0;
  int value = 0;
  bool visible = false;
};

// What each page shows, in page order: the month titles ("Gennaio", or
// "Dicembre 2001" outside the calendar year) joined by "+", "title" for the
// calendar title (cover and half-year pages) and "back" for the credit line.
std::vector<std::string> Pages(const RecordingSurface& s, int year = 2024) {
  std::vector<std::string> pages(static_cast<std::size_t>(s.page() + 1));
  const auto add = [&](int page, const std::string& label) {
    std::string& p = pages.at(static_cast<std::size_t>(page));
    p += (p.empty() ? "" : "+") + label;
  };
  for (const auto& op : s.opsOf(Kind::Text)) {
    if (op.text == "Almanacco " + std::to_string(year)) add(op.page, "title");
    if (op.text == kCreditLine) add(op.page, "back");
    for (int m = 1; m <= 12; ++m) {
      for (int y = year - 1; y <= year + 1; ++y) {
        const std::string label = kNames[m] + (y == year ? "" : " " + std::to_string(y));
        const std::string title = kNames[m] + " " + std::to_string(y);
        // Month pages carry the title, semester blocks "mm - title".
        if (op.text == title || op.text.ends_with(" - " + title)) add(op.page, label);
      }
    }
  }
  return pages;
}

// The page sequence of a whole print run: one page less of breaks than
// pages, one end, no blank sheet after the last page.
void ExpectOneDocument(const TestHost& host, const std::vector<std::string>& pages) {
  ASSERT_EQ(host.documents.size(), 1u);
  const RecordingSurface& s = host.Document();
  EXPECT_EQ(Pages(s), pages);
  EXPECT_EQ(s.opsOf(Kind::NewPage).size() + 1, pages.size());
  const auto ends = s.opsOf(Kind::EndDoc);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(s.ops().back().kind, Kind::EndDoc);
  EXPECT_EQ(host.closed, 1);
}

using PageList = std::vector<std::string>;

TEST(PrintAll, PageSequenceOfEveryLayout) {
  const PageList inOrder{"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                         "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
  const PageList folded{"Gennaio", "Dicembre",  "Febbraio", "Novembre", "Marzo",  "Ottobre",
                        "Aprile",  "Settembre", "Maggio",   "Agosto",   "Giugno", "Luglio"};
  const PageList pairs{"Gennaio+Febbraio", "Marzo+Aprile",      "Maggio+Giugno",
                       "Luglio+Agosto",    "Settembre+Ottobre", "Novembre+Dicembre"};
  const PageList foldedPairs{"Gennaio+Febbraio",  "Novembre+Dicembre", "Marzo+Aprile",
                             "Settembre+Ottobre", "Maggio+Giugno",     "Luglio+Agosto"};
  const std::string first =
      "title+Dicembre 2023+Gennaio+Febbraio+Marzo+Aprile+Maggio+Giugno+Luglio";
  const std::string second =
      "title+Giugno+Luglio+Agosto+Settembre+Ottobre+Novembre+Dicembre+Gennaio 2025";
  struct Row {
    int layout;
    int noMonthPhotos;
    bool ordInv;
    PageList pages;
  };
  const Row rows[] = {
      {1, 0, false, inOrder},        {2, 0, false, inOrder},        {1, 0, true, folded},
      {2, 0, true, folded},          {1, 1, false, pairs},          {2, 1, false, pairs},
      {1, 1, true, foldedPairs},     {2, 1, true, foldedPairs},     {0, 0, false, {first, second}},
      {0, 1, true, {first, second}}, {0, 0, true, {first, second}}, {0, 1, false, {first, second}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "layout " << row.layout << ", NoMonthPhotos "
                                      << row.noMonthPhotos << ", OrdInv " << row.ordInv);
    TestHost host;
    host.inputs.year.NoMonthPhotos = row.noMonthPhotos;
    host.inputs.choices.LayoutType = core::LayoutCode{row.layout};
    host.inputs.choices.OrdInv = row.ordInv;
    PrintJobs jobs(host);
    const PrintResult result = jobs.PrintAll();
    EXPECT_EQ(result.status, PrintStatus::Printed);
    EXPECT_EQ(result.pages, static_cast<int>(row.pages.size()));
    ExpectOneDocument(host, row.pages);
    // Sub-jobs never reset, rescale or hide the bar; the job hides it once.
    EXPECT_EQ(host.maxima, std::vector<int>{kPrintAllDays});
    EXPECT_EQ(host.visibility.back(), false);
    EXPECT_EQ(std::count(host.visibility.begin(), host.visibility.end(), false), 1);
    EXPECT_EQ(std::count(host.values.begin(), host.values.end(), 0), 2);  // start and end
    EXPECT_EQ(host.value, 0);
    EXPECT_FALSE(jobs.PrintAllActive());
    if (row.layout == 0) {
      EXPECT_EQ(jobs.halfYear(), HalfYear::Second);
    }
  }
}

TEST(PrintAll, TwoMonthPagesPutTheEvenMonthLower) {
  TestHost host;
  host.inputs.year.NoMonthPhotos = 1;
  host.inputs.choices.LayoutType = core::LayoutCode{2};
  host.inputs.choices.OrdInv = true;
  PrintJobs jobs(host);
  jobs.PrintAll();
  const RecordingSurface& s = host.Document();
  for (int m = 1; m <= 12; m += 2) {
    const auto title = [&](int month) {
      for (const auto& op : s.opsOf(Kind::Text)) {
        if (op.text == kNames[month] + " 2024") return op;
      }
      ADD_FAILURE() << "no title for month " << month;
      return RecordingSurface::Op{};
    };
    const auto top = title(m);
    const auto lower = title(m + 1);
    EXPECT_EQ(top.page, lower.page);
    EXPECT_DOUBLE_EQ(lower.y - top.y, 7398);  // 0.45 x 16440
  }
}

TEST(PrintAll, CoverRules) {
  struct Row {
    const char* name;
    bool coverPhoto;
    int layout;
    int coverStyle;
    std::string note;
    PageList front;  // the pages before the first month
    int maximum;
  };
  const Row rows[] = {
      {"cover and back cover", true, 1, 1, "", {"title", "back"}, kPrintAllWithCover},
      // A picture-only cover has no title: its page shows no text.
      {"picture-only cover", true, 2, 4, "Auguri\\a tutti", {"", "back"}, kPrintAllWithCover},
      {"note suppresses the back cover", true, 1, 2, "-", {"title"}, kPrintAllWithCover},
      {"no cover picture", false, 1, 1, "", {}, kPrintAllDays},
      {"no cover style", true, 1, 0, "", {}, kPrintAllDays},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestHost host;
    host.inputs.year.HasCoverPhoto = row.coverPhoto;
    host.inputs.year.PhotoNotes[0] = row.note;
    host.inputs.year.NoMonthPhotos = 1;
    host.inputs.choices.LayoutType = core::LayoutCode{row.layout};
    host.inputs.choices.CoverStyle = CoverCode{row.coverStyle};
    PrintJobs jobs(host);
    ASSERT_EQ(jobs.PrintAll().status, PrintStatus::Printed);
    const PageList pages = Pages(host.Document());
    ASSERT_EQ(pages.size(), row.front.size() + 6);
    EXPECT_EQ(PageList(pages.begin(), pages.begin() + row.front.size()), row.front);
    EXPECT_EQ(pages[row.front.size()], "Gennaio+Febbraio");
    EXPECT_EQ(host.maximum, row.maximum);
    if (row.maximum == kPrintAllWithCover) {
      // 20 after the cover, 30 after the back cover, then one step per day
      // until the bar is full.
      const auto at20 = std::find(host.values.begin(), host.values.end(), 20);
      ASSERT_NE(at20, host.values.end());
      EXPECT_EQ(*std::next(at20), 30);
      EXPECT_EQ(*std::next(at20, 2), 31);
      EXPECT_EQ(*std::prev(host.values.end(), 2), kPrintAllWithCover);
    }
  }
}

TEST(PrintAll, SemesterLayoutNeverPrintsACover) {
  for (int style : {0, 1, 4}) {
    TestHost host;
    host.inputs.year.HasCoverPhoto = true;
    host.inputs.choices.LayoutType = core::LayoutCode{0};
    host.inputs.choices.CoverStyle = CoverCode{style};
    PrintJobs jobs(host);
    ASSERT_EQ(jobs.PrintAll().status, PrintStatus::Printed);
    EXPECT_EQ(host.Document().page(), 1);
    EXPECT_TRUE(host.Document().opsOf(Kind::Picture).empty());
    EXPECT_EQ(host.finished, HalfYear::Second);
  }
}

TEST(PrintMonth, ButtonsPrintTheirSheet) {
  for (int noMonthPhotos : {0, 1}) {
    for (int index = 0; index < 12; ++index) {
      SCOPED_TRACE(::testing::Message()
                   << "button " << index + 1 << ", NoMonthPhotos " << noMonthPhotos);
      TestHost host;
      host.inputs.year.NoMonthPhotos = noMonthPhotos;
      PrintJobs jobs(host);
      ASSERT_EQ(jobs.PrintMonth(index).status, PrintStatus::Printed);
      const auto& days = host.inputs.year.MonthDays;
      if (noMonthPhotos == 0) {
        ExpectOneDocument(host, {kNames[index + 1]});
        EXPECT_EQ(host.maxima, std::vector<int>{days[index + 1]});
      } else {
        const int odd = index / 2 * 2 + 1;
        ExpectOneDocument(host, {kNames[odd] + "+" + kNames[odd + 1]});
        EXPECT_EQ(host.maxima, std::vector<int>{days[odd] + days[odd + 1]});
      }
      EXPECT_EQ(host.values.front(), 0);
      EXPECT_EQ(host.value, host.maximum);  // every day stepped
      EXPECT_EQ(host.visibility, (std::vector<bool>{true, false}));
      EXPECT_FALSE(host.finished.has_value());
    }
  }
}

TEST(PrintMonth, MayAndJuneShareASheet) {
  for (int index : {4, 5}) {
    TestHost host;
    host.inputs.year.NoMonthPhotos = 1;
    PrintJobs jobs(host);
    jobs.PrintMonth(index);
    EXPECT_EQ(host.maximum, 61);
    const RecordingSurface& s = host.Document();
    std::vector<double> tops;
    for (const auto& op : s.opsOf(Kind::Text)) {
      if (op.text == "Maggio 2024" || op.text == "Giugno 2024") tops.push_back(op.y);
    }
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_DOUBLE_EQ(tops[1] - tops[0], 7398);
  }
}

TEST(PrintMonth, OutOfRangeButtonOrSemesterLayoutPrintsNothing) {
  for (int index : {-1, 12, 0}) {
    TestHost host;
    if (index == 0) host.inputs.choices.LayoutType = core::LayoutCode{0};
    PrintJobs jobs(host);
    EXPECT_EQ(jobs.PrintMonth(index).status, PrintStatus::NothingToPrint);
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_TRUE(host.documents.empty());
  }
}

TEST(PrintHalfYear, MonthLayouts) {
  struct Row {
    int half;
    int noMonthPhotos;
    bool ordInv;
    PageList pages;
    int finished;  // the part the job reports drawn
  };
  const Row rows[] = {
      {1, 0, false, {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno"}, 1},
      {1, 0, true, {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno"}, 1},
      {1, 1, true, {"Gennaio+Febbraio", "Marzo+Aprile", "Maggio+Giugno"}, 1},
      {2, 0, false, {"Luglio", "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"}, 2},
      {2, 0, true, {"Dicembre", "Novembre", "Ottobre", "Settembre", "Agosto", "Luglio"}, 2},
      {2, 1, false, {"Luglio+Agosto", "Settembre+Ottobre", "Novembre+Dicembre"}, 2},
      // Backwards, the even month is drawn first, at its lower place.
      {2, 1, true, {"Dicembre+Novembre", "Ottobre+Settembre", "Agosto+Luglio"}, 2},
  };
  for (const Row& row : rows) {
    for (int layout : {1, 2}) {
      SCOPED_TRACE(::testing::Message()
                   << "half " << row.half << ", layout " << layout << ", NoMonthPhotos "
                   << row.noMonthPhotos << ", OrdInv " << row.ordInv);
      TestHost host;
      host.inputs.year.NoMonthPhotos = row.noMonthPhotos;
      host.inputs.choices.LayoutType = core::LayoutCode{layout};
      host.inputs.choices.OrdInv = row.ordInv;
      PrintJobs jobs(host);
      ASSERT_EQ(jobs.PrintHalfYear(HalfYear{row.half}).status, PrintStatus::Printed);
      ExpectOneDocument(host, row.pages);
      EXPECT_EQ(host.maxima, std::vector<int>{kHalfYearDays});
      // 182 days in the first half of 2024, 184 in the second: the bar
      // stops when full.
      int days = 0;
      for (int m = row.half * 6 - 5; m <= row.half * 6; ++m) days += host.inputs.year.MonthDays[m];
      EXPECT_EQ(host.value, std::min(days, kHalfYearDays));
      EXPECT_EQ(host.visible, false);
      EXPECT_EQ(host.finished, HalfYear{row.finished});
      EXPECT_EQ(host.parts, (std::vector<std::string>{"start " + std::to_string(row.half),
                                                      "end " + std::to_string(row.half)}));
      EXPECT_EQ(jobs.halfYear(), HalfYear{row.half});
    }
  }
}

TEST(PrintHalfYear, SemesterPagesStartInTheMonthBefore) {
  struct Row {
    int half;
    std::string first;
    std::string last;
  };
  for (const Row& row : {Row{1, "12 - Dicembre 2001", "07 - Luglio 2002"},
                         Row{2, "06 - Giugno 2002", "01 - Gennaio 2003"}}) {
    TestHost host(2024);
    // The job takes its year from the year box, not from the year model.
    host.inputs.yearText = " 2002 ";
    host.inputs.choices.LayoutType = core::LayoutCode{0};
    PrintJobs jobs(host);
    ASSERT_EQ(jobs.PrintHalfYear(HalfYear{row.half}).status, PrintStatus::Printed);
    const RecordingSurface& s = host.Document();
    std::vector<std::string> headings;
    for (const std::string& text : s.texts()) {
      if (text.find(" - ") != std::string::npos) headings.push_back(text);
    }
    ASSERT_EQ(headings.size(), 8u);
    EXPECT_EQ(headings.front(), row.first);
    EXPECT_EQ(headings.back(), row.last);
    EXPECT_EQ(s.texts().front(), "Almanacco 2002");
    EXPECT_EQ(s.page(), 0);
    EXPECT_EQ(host.maxima, std::vector<int>{kSemesterPageDays});
    EXPECT_EQ(host.value, kSemesterPageDays);
  }
}

TEST(PrintHalfYear, CoverOnly) {
  struct Row {
    const char* name;
    bool coverPhoto;
    int coverStyle;
    std::string note;
    PageList pages;
  };
  const Row rows[] = {
      {"title without picture", false, 1, "", {"title", "back"}},
      {"empty note still prints the credit line", true, 3, "", {"title", "back"}},
      {"dash note suppresses the back cover", true, 2, "-nessuno", {"title"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestHost host;
    host.inputs.year.HasCoverPhoto = row.coverPhoto;
    host.inputs.year.PhotoNotes[0] = row.note;
    host.inputs.choices.CoverStyle = CoverCode{row.coverStyle};
    PrintJobs jobs(host);
    ASSERT_EQ(jobs.PrintHalfYear(HalfYear::CoverOnly).status, PrintStatus::Printed);
    ExpectOneDocument(host, row.pages);
    EXPECT_EQ(host.Document().opsOf(Kind::Picture).size(), row.coverPhoto ? 1u : 0u);
    EXPECT_EQ(host.maxima, std::vector<int>{kCoverOnlySteps});
    EXPECT_EQ(host.values, (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(host.finished, HalfYear::CoverOnly);
  }
}

TEST(PrintHalfYear, NothingToPrintAsksForNoPrinter) {
  struct Row {
    const char* name;
    int layout;
    int half;
    int coverStyle;
    std::string yearText;
  };
  const Row rows[] = {
      {"no cover style", 1, 0, 0, "2024"},      {"cover in the semester layout", 0, 0, 1, "2024"},
      {"year box not a year", 1, 1, 1, "20x4"}, {"empty year box", 0, 2, 1, ""},
      {"unknown layout", 3, 1, 1, "2024"},      {"unknown part", 1, 3, 1, "2024"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestHost host;
    host.inputs.choices.LayoutType = core::LayoutCode{row.layout};
    host.inputs.choices.CoverStyle = CoverCode{row.coverStyle};
    host.inputs.yearText = row.yearText;
    PrintJobs jobs(host);
    EXPECT_EQ(jobs.PrintHalfYear(HalfYear{row.half}).status, PrintStatus::NothingToPrint);
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_TRUE(host.documents.empty());
    EXPECT_TRUE(host.visibility.empty());
  }
}

TEST(PrintJobs, CancelledDialogPrintsNothing) {
  TestHost host;
  host.printerReady = false;
  PrintJobs jobs(host);
  EXPECT_EQ(jobs.PrintAll().status, PrintStatus::NoPrinter);
  EXPECT_EQ(jobs.PrintMonth(3).status, PrintStatus::NoPrinter);
  EXPECT_EQ(jobs.PrintHalfYear(HalfYear::First).status, PrintStatus::NoPrinter);
  EXPECT_EQ(host.dialogs, 3);  // every command asks again
  EXPECT_TRUE(host.documents.empty());
  EXPECT_TRUE(host.visibility.empty());
  EXPECT_FALSE(jobs.PrintAllActive());
}

TEST(PrintJobs, ChoicesAreTakenAfterTheDialog) {
  // The dialog may change the paper: the job prints with what it gives.
  struct Host : TestHost {
    bool ChoosePrinter() override {
      inputs.choices.LayoutType = core::LayoutCode{2};
      return TestHost::ChoosePrinter();
    }
  } host;
  host.inputs.year.NoMonthPhotos = 0;
  PrintJobs jobs(host);
  jobs.PrintMonth(0);
  // The daily list names every day; the weekly grid only the weekday heads.
  const auto texts = host.Document().texts();
  EXPECT_GT(std::count(texts.begin(), texts.end(), "Lun"), 1);
}

TEST(PrintJobs, CommandsWhileAJobRunsAreIgnored) {
  TestHost host;
  host.inputs.choices.LayoutType = core::LayoutCode{1};
  PrintJobs jobs(host);
  std::vector<PrintStatus> meanwhile;
  host.duringJob = [&] {
    if (!meanwhile.empty()) return;
    EXPECT_TRUE(jobs.running());
    meanwhile.push_back(jobs.PrintMonth(3).status);
    meanwhile.push_back(jobs.PrintAll().status);
    meanwhile.push_back(jobs.PrintHalfYear(HalfYear::Second).status);
  };
  ASSERT_EQ(jobs.PrintHalfYear(HalfYear::First).status, PrintStatus::Printed);
  EXPECT_EQ(meanwhile, std::vector<PrintStatus>(3, PrintStatus::Ignored));
  EXPECT_EQ(host.documents.size(), 1u);
  EXPECT_EQ(host.dialogs, 1);
  EXPECT_EQ(jobs.halfYear(), HalfYear::First);
  EXPECT_FALSE(jobs.running());
  // Once it has ended, the next command prints.
  host.duringJob = nullptr;
  EXPECT_EQ(jobs.PrintMonth(3).status, PrintStatus::Printed);
}

TEST(PrintJobs, FailingDeviceEndsTheJobCleanly) {
  struct Row {
    const char* name;
    std::function<PrintResult(PrintJobs&)> command;
    int layout;
    int lastPage;  // the page whose end the device refuses
    std::string lastDrawn;
  };
  const Row rows[] = {
      {"print all", [](PrintJobs& j) { return j.PrintAll(); }, 1, 2, "Marzo"},
      {"print all, semester", [](PrintJobs& j) { return j.PrintAll(); }, 0, 0,
       "title+Dicembre 2023+Gennaio+Febbraio+Marzo+Aprile+Maggio+Giugno+Luglio"},
      {"half year", [](PrintJobs& j) { return j.PrintHalfYear(HalfYear::Second); }, 2, 2,
       "Settembre"},
      {"cover", [](PrintJobs& j) { return j.PrintHalfYear(HalfYear::CoverOnly); }, 1, 0, "title"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestHost host;
    host.inputs.year.NoMonthPhotos = 0;
    host.inputs.choices.LayoutType = core::LayoutCode{row.layout};
    host.inputs.choices.CoverStyle = CoverCode{1};
    host.failPage = row.lastPage;
    PrintJobs jobs(host);
    const PrintResult result = row.command(jobs);
    EXPECT_EQ(result.status, PrintStatus::Failed);
    EXPECT_EQ(result.failure.kind, DeviceFailure::Kind::PageRefused);
    EXPECT_EQ(result.failure.detail, "page " + std::to_string(row.lastPage + 2));
    const RecordingSurface& s = host.Document();
    // Nothing is drawn after the refusal.
    const PageList pages = Pages(s);
    EXPECT_EQ(pages.size(), static_cast<std::size_t>(row.lastPage + 1));
    EXPECT_EQ(pages.back(), row.lastDrawn);
    EXPECT_TRUE(s.opsOf(Kind::EndDoc).empty());
    EXPECT_EQ(host.closed, 1);
    EXPECT_FALSE(jobs.PrintAllActive());
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(host.value, 0);

    EXPECT_FALSE(jobs.running());
  }
}

TEST(PrintJobs, DeviceThatCannotStart) {
  for (bool noDevice : {false, true}) {
    TestHost host;
    host.noDevice = noDevice;
    host.deadDevice = !noDevice;
    PrintJobs jobs(host);
    const PrintResult result = jobs.PrintHalfYear(HalfYear::First);
    EXPECT_EQ(result.status, PrintStatus::Failed);
    EXPECT_EQ(result.failure.kind,
              noDevice ? DeviceFailure::Kind::NoPrinter : DeviceFailure::Kind::CannotWriteFile);
    EXPECT_EQ(result.failure.subject, noDevice ? "" : "calendar.pdf");
    if (!noDevice) {
      EXPECT_TRUE(host.Document().ops().empty());
    }
    EXPECT_FALSE(host.visible);
    // The next command is not blocked.
    host.noDevice = host.deadDevice = false;
    host.documents.clear();
    EXPECT_EQ(jobs.PrintMonth(0).status, PrintStatus::Printed);
  }
}

// A5 (141 x 203 mm printable) takes the cover but not the month pages with
// moon symbols: the job says so before it opens a document.
TEST(PrintJobs, PaperTooSmallIsRefusedBeforeAnyDocument) {
  struct Row {
    const char* name;
    core::LayoutCode layout;
    PrintRequest request;
    PrintStatus status;
  };
  const Row rows[] = {
      {"half-year pages", core::LayoutCode::Semester, PrintRequest::All(),
       PrintStatus::PageTooSmall},
      {"weekly months", core::LayoutCode::Weekly, PrintRequest::Month(2),
       PrintStatus::PageTooSmall},
      {"two daily months a sheet", core::LayoutCode::Daily, PrintRequest::All(),
       PrintStatus::PageTooSmall},
      {"the cover alone", core::LayoutCode::Weekly, PrintRequest::Half(HalfYear::CoverOnly),
       PrintStatus::Printed},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestHost host;
    RecordingSurface a5(8000, 11500);
    host.measure = a5;
    host.inputs.choices.metrics = MeasurePage(a5);
    host.inputs.choices.moonLook = MoonLookFor(MoonCode::OchreYellowQuarters);
    host.inputs.choices.LayoutType = row.layout;
    host.inputs.choices.CoverStyle = CoverCode::TitleMiddle;
    host.inputs.year.NoMonthPhotos = true;
    PrintJobs jobs(host);
    const PrintResult result = jobs.Print(row.request);
    EXPECT_EQ(result.status, row.status);
    if (row.status != PrintStatus::PageTooSmall) continue;
    EXPECT_EQ(result.failure.kind, DeviceFailure::Kind::PageTooSmall);
    EXPECT_EQ(result.failure.subject, "141 x 203 mm");
    EXPECT_EQ(result.failure.Text(),
              "The pages of this layout do not fit the printable area of the paper (141 x 203 "
              "mm): nothing was printed; choose a larger paper");
    EXPECT_TRUE(host.documents.empty());
    EXPECT_EQ(host.closed, 0);
    EXPECT_FALSE(jobs.running());
  }
}

TEST(BlockOffset, EvenMonthsOfTwoMonthSheets) {
  EXPECT_EQ(BlockOffset(1, 1, 15000), 0);
  EXPECT_EQ(BlockOffset(2, 1, 15000), 6750);
  EXPECT_EQ(BlockOffset(12, 1, 16837), 7577);  // 7576.65 rounded
  EXPECT_EQ(BlockOffset(2, 0, 15000), 0);
  EXPECT_EQ(BlockOffset(11, 1, 16837), 0);
}

}  // namespace
}  // namespace orsalimbra::render::testing

// The main window's print commands: the print dialog asked once until a
// layout click or a rebuild, the page measured on the printer chosen, the
// progress bar, the focus and pointer after a job, and a failed job told.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QToolButton>

#include "main_window_fixture.h"
#include "ui/printer_metrics.h"

namespace orsalimbra::ui::testing {
namespace {

// pdfinfo's "Pages" and "Page size" of a file.
QString PdfField(const QString& pdf, const QString& field) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {pdf});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  const QRegularExpression line("^" + field + R"(:\s+(.*)$)", QRegularExpression::MultilineOption);
  return line.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).trimmed();
}

// A file size limit for the life of the object, with the signal that would
// end the process ignored: the kernel then refuses a write as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : bytes_(bytes) {
    if (bytes == 0) return;
    active_ = getrlimit(RLIMIT_FSIZE, &saved_) == 0;
    previous_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, saved_.rlim_max};
    if (active_) active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    if (active_) setrlimit(RLIMIT_FSIZE, &saved_);
    if (bytes_ != 0) signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlim_t bytes_;
  rlimit saved_{};
  bool active_ = false;
  void (*previous_)(int) = nullptr;
};

class PrintTest : public MainWindowTest {
 protected:
  QProgressBar* Bar() { return Control<QProgressBar>("Progress"); }
  // Removes the last document, so that the next print is seen.
  void ForgetPdf() {
    QFile::remove(printPdf);
    ASSERT_FALSE(QFileInfo::exists(printPdf));
  }
};

TEST_F(PrintTest, CancelledDialogPrintsNothingAndAsksAgain) {
  Form1& w = Start();
  printAnswer = false;
  for (const char* command : {"StampaAll", "Stampa1", "StampaM3"}) {
    Click(command);
  }
  EXPECT_EQ(printDialogs, 3);
  EXPECT_FALSE(w.printerChosen());
  EXPECT_FALSE(QFileInfo::exists(printPdf));
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_TRUE(printFailures.empty());
}

TEST_F(PrintTest, DialogOnceUntilALayoutClickOrARebuild) {
  Form1& w = Start();
  Click("StampaAll");
  EXPECT_EQ(printDialogs, 1);
  EXPECT_TRUE(w.printerChosen());
  // Two months a page without month pictures: six sheets.
  EXPECT_EQ(PdfField(printPdf, "Pages"), "6");

  ForgetPdf();
  Click("StampaM4");  // May and June share a sheet
  EXPECT_EQ(printDialogs, 1);
  EXPECT_EQ(PdfField(printPdf, "Pages"), "1");

  Click("Tipo2");
  EXPECT_FALSE(w.printerChosen());
  Click("Stampa2");
  EXPECT_EQ(printDialogs, 2);
  EXPECT_EQ(PdfField(printPdf, "Pages"), "3");

  // A year-model rebuild (a step of the year) asks again too.
  Click(Control<SpinButtons>("UpDown1")->upButton());
  EXPECT_FALSE(w.printerChosen());
  Click("StampaAll");
  EXPECT_EQ(printDialogs, 3);
}

TEST_F(PrintTest, ThePageIsMeasuredOnThePrinterChosen) {
  Form1& w = Start();
  ASSERT_EQ(w.pageMetrics().PageHeight, 15500);  // the start-up's default printer
  printPaper = QPageSize::Letter;
  Click("StampaM0");
  const render::PageMetrics chosen = MeasurePrinter(w.printer());
  EXPECT_EQ(w.pageMetrics().PageWidth, chosen.PageWidth);
  EXPECT_EQ(w.pageMetrics().PageHeight, chosen.PageHeight);
  EXPECT_EQ(w.pageMetrics().PageWidth80, chosen.PageWidth80);
  EXPECT_EQ(w.pageMetrics().WeeklyRowBase, 760);
  // Letter is 612 x 792 points; the printable area lies inside it.
  EXPECT_GT(chosen.PageHeight, 14000);
  EXPECT_LT(chosen.PageHeight, 15840);
  EXPECT_TRUE(PdfField(printPdf, "Page size").startsWith("612 x 792"));
}

TEST_F(PrintTest, ProgressFocusAndPointerOfTheHalfYears) {
  Form1& w = Start();
  std::vector<int> maxima;
  bool hiddenWhileCounting = false;
  bool busyWhileCounting = true;
  QObject::connect(Bar(), &QProgressBar::valueChanged, [&](int value) {
    if (value == 0) return;  // a job starting
    if (!Bar()->isVisible()) hiddenWhileCounting = true;
    if (w.cursor().shape() != Qt::WaitCursor) busyWhileCounting = false;
    if (maxima.empty() || maxima.back() != Bar()->maximum()) maxima.push_back(Bar()->maximum());
  });
  Click("Stampa1");
  EXPECT_EQ(QApplication::focusWidget(), Control("Stampa2"));
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);  // the busy pointer is gone
  Click("Stampa2");
  EXPECT_EQ(QApplication::focusWidget(), Control("Esci"));
  Click("Stampa0");  // the cover alone
  EXPECT_EQ(QApplication::focusWidget(), Control("Esci"));
  EXPECT_EQ(maxima, (std::vector<int>{183, 100}));
  EXPECT_FALSE(hiddenWhileCounting);
  EXPECT_TRUE(busyWhileCounting);
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_EQ(w.printJobs().halfYear(), render::HalfYear::CoverOnly);
}

TEST_F(PrintTest, GuardedCommandsWaitForTheYearModelButTheMonthsDoNot) {
  Start();
  Form1& w = window();
  w.duringYearModelBuild = [&] {
    Click("StampaAll");
    Click("Stampa1");
  };
  Click(Control<SpinButtons>("UpDown1")->upButton());
  EXPECT_EQ(printDialogs, 0);
  w.duringYearModelBuild = [&] { Click("StampaM1"); };
  Click(Control<SpinButtons>("UpDown1")->upButton());
  EXPECT_EQ(printDialogs, 1);
}

TEST_F(PrintTest, AFailedJobIsToldAndTheWindowGoesOn) {
  Form1& w = Start();
  const QString wanted = printPdf;
  printPdf = root_.filePath(QStringLiteral("no-such-folder/calendar.pdf"));
  Click("StampaAll");
  ASSERT_EQ(printFailures.size(), 1u);
  EXPECT_TRUE(printFailures[0].contains(QStringLiteral("Non si può scrivere il file")));
  EXPECT_TRUE(printFailures[0].contains(printPdf));
  EXPECT_FALSE(w.printJobs().PrintAllActive());
  EXPECT_FALSE(w.printJobs().running());
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_FALSE(QFileInfo::exists(printPdf));

  // The next dialog picks a folder that exists: printing works again.
  Click("Tipo1");
  printPdf = wanted;
  Click("StampaM0");
  EXPECT_EQ(printFailures.size(), 1u);
  EXPECT_EQ(PdfField(printPdf, "Pages"), "1");
}

// Printing into a file goes through the program's PDF writer: a full disk
// or a name that is no file ends the job with the Italian message, and the
// file of that name stays as it was.
TEST_F(PrintTest, AFileThatCannotBeWrittenWholeIsToldAndLeftAsItWas) {
  struct Row {
    const char* name;
    QString file;
    rlim_t limitBytes;  // 0: none
    QString message;
  };
  const QString fifo = root_.filePath(QStringLiteral("calendar-fifo"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  const QString existing = root_.filePath(QStringLiteral("calendar-old.pdf"));
  ASSERT_TRUE(test_support::WriteFile(existing, "old"));
  const Row rows[] = {
      {"a FIFO", fifo, 0, QStringLiteral("non è un file normale")},
      {"a full disk", existing, 4096, QStringLiteral("Non si è potuto scrivere tutto il file")},
  };
  Form1& w = Start();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    printFailures.clear();
    printPdf = row.file;
    Click("Tipo1");  // the next command asks for the printer again
    {
      FileSizeLimit limit(row.limitBytes);
      Click("StampaAll");
    }
    ASSERT_EQ(printFailures.size(), 1u);
    EXPECT_TRUE(printFailures[0].contains(row.message)) << printFailures[0].toStdString();
    EXPECT_TRUE(printFailures[0].contains(row.file));
    EXPECT_FALSE(w.printJobs().running());
    EXPECT_FALSE(Bar()->isVisible());
  }
  EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
  EXPECT_EQ(test_support::ReadFile(existing), "old");
  EXPECT_EQ(
      QDir(root_.path()).entryList({QStringLiteral(".orsalimbra-*")}, QDir::Hidden | QDir::Files),
      QStringList());
}

// A5 takes neither the half-year pages nor two months a sheet: the window
// says so in Italian, and nothing is printed.
TEST_F(PrintTest, APaperTooSmallIsToldBeforePrinting) {
  Form1& w = Start();
  printPaper = QPageSize::A5;
  Click("StampaAll");
  ASSERT_EQ(printFailures.size(), 1u);
  EXPECT_TRUE(printFailures[0].startsWith(QStringLiteral("Non è stato stampato niente.")));
  EXPECT_TRUE(printFailures[0].contains(QStringLiteral("(141 x 203 mm)")));
  EXPECT_FALSE(QFileInfo::exists(printPdf));
  EXPECT_FALSE(w.printJobs().running());
  EXPECT_FALSE(Bar()->isVisible());
}

TEST_F(PrintTest, ACommandDuringAJobIsIgnored) {
  Form1& w = Start();
  int clicks = 0;
  QObject::connect(Bar(), &QProgressBar::valueChanged, [&](int value) {
    if (value != 10 || clicks > 0) return;
    ++clicks;
    EXPECT_TRUE(w.printJobs().running());
    Click("StampaM11");
    Click("Stampa2");
  });
  Click("StampaAll");
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(printDialogs, 1);
  EXPECT_EQ(PdfField(printPdf, "Pages"), "6");
  EXPECT_EQ(w.printJobs().halfYear(), render::HalfYear::CoverOnly);
}

}  // namespace
}  // namespace orsalimbra::ui::testing

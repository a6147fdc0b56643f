// The print preview, the PDF export that asks, a job that can be cancelled,
// and the menu bar.
#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "main_window_fixture.h"
#include "ui/main_window.h"
#include "ui/pdf_export_name.h"
#include "ui/print_dialog.h"

namespace orsalimbra::ui::testing {
namespace {

using render::HalfYear;
using render::PrintRequest;

TEST(PdfExportName, TitleYearAndCommandInTheChosenLanguage) {
  core::YearModel it;
  it.CalendarYear = 2027;
  it.CurrentTitle = "Calendario";
  it.PageName = {"Copertina", "Gennaio", "Febbraio",  "Marzo",   "Aprile",   "Maggio",  "Giugno",
                 "Luglio",    "Agosto",  "Settembre", "Ottobre", "Novembre", "Dicembre"};
  it.NoMonthPhotos = false;
  core::YearModel en = it;
  en.CurrentTitle = "#Calendar";
  en.PageName[3] = "March";
  core::YearModel pairs = it;
  pairs.NoMonthPhotos = true;
  core::YearModel unnamed = it;
  unnamed.PageName[10] = "";
  core::YearModel odd = it;
  odd.CurrentTitle = "Casa: 1/2 \"Rossi\"";
  struct Row {
    const char* name;
    const core::YearModel* year;
    std::string yearText;
    PrintRequest request;
    const char* expected;
  };
  const Row rows[] = {
      {"all", &it, "2027", PrintRequest::All(), "Calendario 2027.pdf"},
      {"a month", &it, "2027", PrintRequest::Month(2), "Calendario 2027 - Marzo.pdf"},
      {"first half", &it, "2027", PrintRequest::Half(HalfYear::First),
       "Calendario 2027 - primo semestre.pdf"},
      {"second half", &it, "2027", PrintRequest::Half(HalfYear::Second),
       "Calendario 2027 - secondo semestre.pdf"},
      {"cover", &it, "2027", PrintRequest::Half(HalfYear::CoverOnly),
       "Calendario 2027 - copertina.pdf"},
      {"year first, other language", &en, "2027", PrintRequest::Month(2),
       "2027 Calendar - March.pdf"},
      {"the sheet of two months", &pairs, "2027", PrintRequest::Month(3),
       "Calendario 2027 - Marzo-Aprile.pdf"},
      {"a month without a name", &unnamed, "2027", PrintRequest::Month(9),
       "Calendario 2027 - 10.pdf"},
      {"the year box wins", &it, " 2031 ", PrintRequest::All(), "Calendario 2031.pdf"},
      {"no year in the box: the model's", &it, "abc", PrintRequest::All(), "Calendario 2027.pdf"},
      {"characters no file name holds", &odd, "2027", PrintRequest::All(),
       "Casa- 1-2 -Rossi- 2027.pdf"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ProposedPdfName(*row.year, row.yearText, row.request),
              QString::fromUtf8(row.expected))
        << row.name;
  }
}

TEST(StandardDialogs, OfferOnlyWhatTheJobsHonourAndAskBeforeOverwriting) {
  QPrinter printer(QPrinter::HighResolution);
  const auto print = MakePrintDialog(nullptr, printer);
  EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintPageRange));
  EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintSelection));
  EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintCurrentPage));
  EXPECT_EQ(printer.printRange(), QPrinter::AllPages);

  const auto save = MakeExportDialog(nullptr, QStringLiteral("/tmp/Calendario 2027.pdf"));
  EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(save->defaultSuffix(), QStringLiteral("pdf"));
}

class PreviewExportTest : public MainWindowTest {
 protected:
  QString Pdf(const QString& name) { return root_.filePath(name); }
  QStringList Leftovers() {
    return QDir(root_.path())
        .entryList({QStringLiteral(".*orsalimbra*"), QStringLiteral("*.part")},
                   QDir::Files | QDir::Hidden);
  }
};

TEST_F(PreviewExportTest, ExportAsksEveryTimeInTheLastFolderAndWritesTitleAndCreator) {
  Form1& w = Start();
  QSignalSpy told(&w, &Form1::outputWritten);
  const QString file = Pdf(QStringLiteral("mine.pdf"));
  exportAnswers = {file, file, std::nullopt};
  w.ExportPdf(PrintRequest::All());
  ASSERT_EQ(exportProposals.size(), 1u);
  EXPECT_TRUE(exportProposals[0].endsWith(QStringLiteral("/Calendario 2026.pdf")));
  EXPECT_EQ(PdfField(file, "Pages"), "6");
  EXPECT_EQ(PdfField(file, "Title"), "Calendario 2026");
  EXPECT_EQ(PdfField(file, "Creator"), "Orsalimbra");
  ASSERT_EQ(told.count(), 1);
  EXPECT_TRUE(told[0][0].toString().contains(file)) << told[0][0].toString().toStdString();
  EXPECT_TRUE(told[0][0].toString().contains(QStringLiteral("6 pagine")));

  // A second export asks again, in the folder of the first; nothing is
  // written over without the chooser's question.
  w.ExportPdf(PrintRequest::Month(2));
  ASSERT_EQ(exportProposals.size(), 2u);
  EXPECT_EQ(
      exportProposals[1].toStdString(),
      Pdf(QStringLiteral("Calendario 2026 - 03-04.pdf")).toStdString());  // months without names
  EXPECT_EQ(PdfField(file, "Pages"), "1");
  EXPECT_EQ(Stored("CartellaPdf"), QFileInfo(file).absolutePath());

  // Cancelled: nothing printed, the file stays.
  w.ExportPdf(PrintRequest::All());
  EXPECT_EQ(exportProposals.size(), 3u);
  // A year typed but not yet applied is applied before the name is proposed.
  YearBox()->setText(QStringLiteral("2031"));
  w.ExportPdf(PrintRequest::All());
  ASSERT_EQ(exportProposals.size(), 4u);
  EXPECT_TRUE(exportProposals[3].endsWith(QStringLiteral("/Calendario 2031.pdf")));
  EXPECT_EQ(w.yearModel().CalendarYear, 2031);
  EXPECT_EQ(PdfField(file, "Pages"), "1");
  EXPECT_EQ(printDialogs, 0);  // an export never asks for the printer
}

TEST_F(PreviewExportTest, CancelLeavesNoFileAndAUsableWindow) {
  Form1& w = Start();
  QSignalSpy told(&w, &Form1::outputWritten);
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "the Annulla button");
    const QString file = Pdf(QStringLiteral("cancelled.pdf"));
    exportAnswers = {file};
    QTimer::singleShot(0, &w, [&] {
      EXPECT_TRUE(Control("AnnullaStampa")->isVisible());
      if (escape) {
        QTest::keyClick(&w, Qt::Key_Escape);
      } else {
        Click("AnnullaStampa");
      }
    });
    w.ExportPdf(PrintRequest::All());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(u' ').toStdString();
    EXPECT_FALSE(Control("Progress")->isVisible());
    EXPECT_FALSE(Control("AnnullaStampa")->isVisible());
    EXPECT_FALSE(w.printJobs().running());
    EXPECT_TRUE(told.back()[0].toString().contains(QStringLiteral("annullata")));
  }
  // The printer's own file, the same.
  QTimer::singleShot(0, &w, [&] { Click("AnnullaStampa"); });
  Click("StampaAll");
  EXPECT_FALSE(QFile::exists(printPdf));
  // And the next command prints.
  Click("StampaAll");
  EXPECT_EQ(PdfField(printPdf, "Pages"), "6");
}

TEST_F(PreviewExportTest, ChoicesAreIgnoredWhileAJobRuns) {
  Form1& w = Start();
  const auto layout = w.layoutType();
  const auto cover = w.coverStyle();
  const QString year = YearBox()->text();
  QTimer::singleShot(0, &w, [&] {
    Click("Tipo2");
    Click("Cover");
    Click(Control<SpinButtons>("UpDown1")->upButton());
    Languages()->setCurrentIndex(1);
    Click("StampaAll");  // a second command while one runs
  });
  Click("StampaAll");
  EXPECT_EQ(w.layoutType(), layout);
  EXPECT_EQ(w.coverStyle(), cover);
  EXPECT_EQ(YearBox()->text(), year);
  EXPECT_EQ(Languages()->currentIndex(), 0);
  EXPECT_EQ(printDialogs, 1);
  EXPECT_EQ(PdfField(printPdf, "Pages"), "6");
  // Afterwards they count again.
  Click("Tipo2");
  EXPECT_EQ(w.layoutType(), core::LayoutCode::Daily);
}

TEST_F(PreviewExportTest, PreviewShowsThePagesOfEveryCommandAsTheJobPrintsThem) {
  Form1& w = Start();
  int checked = 0;
  for (const char* layoutButton : {"Tipo1", "Tipo0", "Tipo2"}) {
    Click(layoutButton);
    std::vector<int> previewPages;
    duringPreview = [&](PrintPreview& preview) {
      for (const PrintRequest& request : PreviewCommands()) {
        preview.setRequest(request);
        // Nothing to print shows no pages, only a word saying so.
        const bool pages = preview.lastResult().status == render::PrintStatus::Printed;
        EXPECT_EQ(preview.view()->isVisibleTo(&preview), pages);
        previewPages.push_back(pages ? preview.view()->pageCount() : 0);
      }
    };
    w.OpenPreview(PrintRequest::All());
    const std::vector<PrintRequest> commands = PreviewCommands();
    ASSERT_EQ(previewPages.size(), commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) {
      SCOPED_TRACE(::testing::Message() << layoutButton << ", command " << i);
      const QString file =
          Pdf(QStringLiteral("preview-%1-%2.pdf").arg(QLatin1String(layoutButton)).arg(i));
      exportAnswers = {file};
      w.ExportPdf(commands[i]);
      const QString pages = PdfField(file, "Pages");
      EXPECT_EQ(previewPages[i], pages.isEmpty() ? 0 : pages.toInt());
      ++checked;
    }
  }
  EXPECT_EQ(checked, 48);
  EXPECT_EQ(previewsShown, 3);
}

TEST_F(PreviewExportTest, PreviewHandsItsCommandToPrintAndExport) {
  Form1& w = Start();
  const QString file = Pdf(QStringLiteral("from-preview.pdf"));
  exportAnswers = {file};
  duringPreview = [&](PrintPreview& preview) {
    preview.setRequest(PrintRequest::Half(HalfYear::Second));
    EXPECT_EQ(preview.lastResult().status, render::PrintStatus::Printed);
    for (QPushButton* b : preview.findChildren<QPushButton*>()) {
      if (b->text() == QStringLiteral("&Esporta PDF...")) b->click();
    }
  };
  w.OpenPreview(PrintRequest::All());
  ASSERT_EQ(exportProposals.size(), 1u);
  EXPECT_TRUE(
      exportProposals[0].endsWith(QStringLiteral("Calendario 2026 - secondo semestre.pdf")));
  EXPECT_EQ(PdfField(file, "Pages"), "3");

  // Nothing to print: the preview says so.
  Click("Tipo0");
  duringPreview = [&](PrintPreview& preview) {
    preview.setRequest(PrintRequest::Month(3));
    EXPECT_EQ(preview.lastResult().status, render::PrintStatus::NothingToPrint);
    EXPECT_FALSE(preview.view()->isVisibleTo(&preview));
  };
  w.OpenPreview(PrintRequest::All());
}

TEST_F(PreviewExportTest, MenuBarAboveTheFormWithItsShortcuts) {
  WindowEnvironment env;
  env.files = session::ProgramFiles::In(program_);
  env.settingsSection = QStringLiteral("Orsatest");
  env.today = QDate(2025, 10, 1);
  MainWindow main(env, Services());
  main.Start();
  const QSize form = main.form().size();
  EXPECT_EQ(form, QSize(546, 366));
  EXPECT_GE(main.height(), form.height() + main.menuBar()->height());
  std::map<QString, QString> shortcuts;
  for (QAction* menu : main.menuBar()->actions()) {
    for (QAction* a : menu->menu()->actions()) {
      if (!a->isSeparator()) shortcuts[a->text()] = a->shortcut().toString();
    }
  }
  const std::map<QString, QString> expected{
      {QStringLiteral("&Anteprima di stampa..."), QStringLiteral("Ctrl+Shift+P")},
      {QStringLiteral("&Esporta PDF..."), QStringLiteral("Ctrl+E")},
      {QStringLiteral("&Stampa tutto..."), QStringLiteral("Ctrl+P")},
      {QStringLiteral("&Date personali..."), QString()},
      {QStringLiteral("E&sci"), QStringLiteral("Ctrl+Q")},
      {QStringLiteral("&Guida"), QStringLiteral("F1")},
      {QStringLiteral("&Informazioni su Orsalimbra"), QString()},
  };
  EXPECT_EQ(shortcuts, expected);
  EXPECT_TRUE(AboutText().contains(QStringLiteral("Licenza")));

  // The menus' Alt letters are not the form's, and F1 is claimed once.
  std::set<QString> letters;
  const auto take = [&](const QString& caption) {
    const QString key = QKeySequence::mnemonic(caption).toString();
    if (!key.isEmpty()) {
      EXPECT_TRUE(letters.insert(key).second) << key.toStdString();
    }
  };
  for (QAction* menu : main.menuBar()->actions()) take(menu->text());
  for (QAbstractButton* button : main.form().findChildren<QAbstractButton*>()) {
    take(button->text());
  }
  for (QLabel* label : main.form().findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) take(label->text());
  }
  QFile page(program_ + QStringLiteral("/Orsalimbra.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  QTest::keyClick(&main.form(), Qt::Key_F1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return helpOpened.size() == 1u; }));
}

}  // namespace
}  // namespace orsalimbra::ui::testing

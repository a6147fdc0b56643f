// A main window started on a private program folder and settings store,
// with dialogs that answer from the test.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>

#include "session/settings_keys.h"
#include "session/settings_store.h"
#include "support/qt_test_support.h"
#include "ui/form1.h"
#include "ui/layout_button.h"
#include "ui/print_preview.h"
#include "ui/spin_buttons.h"

namespace orsalimbra::ui::testing {

// Three languages. The German entry has no title, no February name and no
// Monday name, so that choosing it keeps the names of the entry before.
inline const char kDataFile[] =
    "<LINGUE>\r\n"
    "                    Italiano            English             Deutsch\r\n"
    "<TITOLI>\r\n"
    "                    Calendario          #Calendar           \"\"\r\n"
    "<MESI>\r\n"
    "[1]                 Gennaio             January             Januar\r\n"
    "[2]                 Febbraio            February\r\n"
    "<GIORNI>\r\n"
    "[1]                 Luned\xEC              Monday\r\n"
    "<FESTE>\r\n"
    "[01/01]             Capodanno           \"New Year's Day\"    Neujahr\r\n";

// A field of pdfinfo's report on a file ("Pages", "Page size", "Title").
inline QString PdfField(const QString& pdf, const QString& field) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {pdf});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  const QRegularExpression line("^" + field + R"(:\s+(.*)$)", QRegularExpression::MultilineOption);
  return line.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).trimmed();
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    program_ = root_.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(program_));
    WriteDataFile(kDataFile);
    UseNewSettingsFolder();
    printPdf = root_.filePath(QStringLiteral("calendar.pdf"));
  }
  void TearDown() override { window_.reset(); }

  void WriteDataFile(const QByteArray& text) {
    QFile file(program_ + QStringLiteral("/Orsalimbra.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(text), text.size());
  }

  // A picture file in the program folder.
  QString Picture(const QString& name, QColor colour) {
    const QString path = program_ + QLatin1Char('/') + name;
    EXPECT_TRUE(test_support::WritePicture(path, colour, QSize(120, 90)));
    return path;
  }

  // Qt keeps a parsed settings file for the life of the process; a folder
  // this process never opened makes the next store read the file itself.
  void UseNewSettingsFolder() {
    settingsFolder_ = root_.filePath(QStringLiteral("settings%1").arg(settingsRuns_++));
    ASSERT_TRUE(QDir().mkpath(settingsFolder_ + QStringLiteral("/Nerb")));
    test_support::UseSettingsFolder(settingsFolder_);
  }
  QString IniPath() const { return settingsFolder_ + QStringLiteral("/Nerb/Nerb.ini"); }

  // Settings as another run (or a hand edit) left them.
  void SeedSettings(const QByteArray& sectionBody) {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Orsatest]\nVersione=3\n" + sectionBody);
  }

  // The stored text of a key, read from the file as a new run would.
  std::optional<QString> Stored(const char* key) const {
    QSettings file(IniPath(), QSettings::IniFormat);
    const QVariant value = file.value(QStringLiteral("Orsatest/") + QString::fromLatin1(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString();
  }

  WindowServices Services() {
    WindowServices services;
    services.chooseColour = [this](QWidget*, const QColor& initial) {
      colourAskedWith = initial;
      std::optional<QColor> answer = colourAnswer;
      return answer;
    };
    services.chooseFont = [this](QWidget*, const QFont& initial) {
      fontAskedWith = initial;
      std::optional<QFont> answer = fontAnswer;
      return answer;
    };
    services.showImageWindow = [this](QWidget*, core::YearModel& year,
                                      session::SettingsStore& settings,
                                      const session::ProgramFiles&) {
      ++imageWindowShown;
      if (imageWindowEdits) imageWindowEdits(year);
      if (imageWindowStores) imageWindowStores(settings);
    };
    if (realImageWindow) services.showImageWindow = WindowServices::Standard().showImageWindow;
    services.openHelpPage = [this](QWidget*, const QString& path) { helpOpened.push_back(path); };
    services.measurePrinter = [] {
      render::PageMetrics metrics;
      metrics.PageWidth = 11000;
      metrics.PageHeight = 15500;
      metrics.PageWidth80 = 8800;
      metrics.DigitWidth = 220;
      metrics.DigitHeight = 460;
      return metrics;
    };
    services.choosePrinter = [this](QWidget*, QPrinter& printer) {
      ++printDialogs;
      if (!printAnswer) return false;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printPdf);
      if (printPaper) printer.setPageSize(QPageSize(*printPaper));
      return true;
    };
    services.showPrintFailure = [this](QWidget*, const QString&, const QString& text) {
      printFailures.push_back(text);
    };
    services.chooseExportFile = [this](QWidget*, const QString& proposed) {
      exportProposals.push_back(proposed);
      std::optional<QString> answer;
      if (!exportAnswers.empty()) {
        answer = exportAnswers.front();
        exportAnswers.pop_front();
      }
      return answer;
    };
    services.showPreview = [this](PrintPreview& preview) {
      ++previewsShown;
      if (duringPreview) duringPreview(preview);
    };
    services.showDataFileProblem = [this](QWidget*, const QString&, const QString& text) {
      dataFileProblems.push_back(text);
    };
    services.editPersonalDates = [this](QWidget*, session::PersonalDateSettings& settings, int,
                                        const auto&) {
      ++personalDatesShown;
      if (!personalDatesEdit) return false;
      personalDatesEdit(settings);
      return true;
    };
    services.showPersonalDatesProblem = [this](QWidget*, const QString&, const QString& text) {
      personalDatesProblems.push_back(text);
    };
    return services;
  }

  Form1& Start(QDate today = QDate(2025, 10, 1), int bias = -60) {
    WindowEnvironment env;
    env.files = session::ProgramFiles::In(program_, userFolder_);
    env.settingsSection = QStringLiteral("Orsatest");
    env.today = today;
    env.timeZoneBias = bias;
    window_ = std::make_unique<Form1>(env, Services());
    window_->Start();
    // Focus events need an active window; without a window manager
    // nothing activates it unless asked.
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    WaitForPictures();
    return *window_;
  }

  // Ends the run (without the exit button) and starts again on what it stored.
  Form1& Restart(QDate today = QDate(2025, 10, 1)) {
    window_.reset();
    const QString old = IniPath();
    UseNewSettingsFolder();
    EXPECT_TRUE(QFile::copy(old, IniPath()));
    return Start(today);
  }

  Form1& window() { return *window_; }
  template <typename T = QWidget>
  T* Control(const char* name) {
    T* control = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    WaitForPictures();
  }
  // The window's pictures are decoded on worker threads.
  void WaitForPictures() {
    if (window_) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return !window_->picturesPending(); }));
    }
  }
  void Click(const char* name) { Click(Control(name)); }
  QLineEdit* YearBox() { return Control<QLineEdit>("Text1"); }
  QComboBox* Languages() { return Control<QComboBox>("Lingue"); }
  QString Formato() { return Control<QLabel>("Formato")->text(); }
  const core::YearModel& Year() { return window_->yearModel(); }

  // Dialog answers and what the window asked.
  std::optional<QColor> colourAnswer;
  std::optional<QFont> fontAnswer;
  std::optional<QColor> colourAskedWith;
  std::optional<QFont> fontAskedWith;
  int imageWindowShown = 0;
  bool realImageWindow = false;
  std::function<void(core::YearModel&)> imageWindowEdits;
  std::function<void(session::SettingsStore&)> imageWindowStores;
  std::vector<QString> helpOpened;
  // The print dialog: confirmed, it sends the pages to printPdf on the
  // paper printPaper (when set).
  bool printAnswer = true;
  QString printPdf;
  std::optional<QPageSize::PageSizeId> printPaper;
  int printDialogs = 0;
  std::vector<QString> printFailures;
  // The export's file chooser answers these in turn (nothing: cancelled).
  std::deque<std::optional<QString>> exportAnswers;
  std::vector<QString> exportProposals;
  // The preview, while it is shown.
  int previewsShown = 0;
  std::function<void(PrintPreview&)> duringPreview;
  std::vector<QString> dataFileProblems;
  // The "Date personali" window: confirmed with these changes when set.
  std::function<void(session::PersonalDateSettings&)> personalDatesEdit;
  int personalDatesShown = 0;
  std::vector<QString> personalDatesProblems;

  QTemporaryDir root_;
  QString program_;
  // The user's own data folder; none unless a test sets it.
  QString userFolder_;
  QString settingsFolder_;
  int settingsRuns_ = 0;
  std::unique_ptr<Form1> window_;
};

}  // namespace orsalimbra::ui::testing

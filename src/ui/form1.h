// The main window: the owner of the calendar state for the whole run, with
// the year box, the language list, the title and moon samples, the layout
// buttons, the cover miniature and the print commands.
//
// Every handler that could start a second rebuild of the year model, or a
// print, while one is under way is guarded by Ready: while it is false the
// handler does nothing at all, and the event is not kept for later.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/time_base.h"
#include "core/year_model.h"
#include "render/moon_look.h"
#include "render/page_inputs.h"
#include "render/print_jobs.h"
#include "session/choices.h"
#include "session/personal_dates.h"
#include "session/settings_store.h"
#include "session/year_inputs.h"
#include "ui/picture_slot.h"
#include "ui/window_environment.h"
#include "ui/window_services.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QShortcut;
class QLineEdit;
class QPrinter;
class QProgressBar;
class QPushButton;

namespace orsalimbra::ui {

class WrapButton;
class ClickableLabel;
class EnterMovesFocus;
class LayoutButton;
class SpinButtons;
class WindowPrintHost;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(WindowEnvironment environment,
                 WindowServices services = WindowServices::Standard(), QWidget* parent = nullptr);
  ~Form1() override;

  // The start-up sequence: reads the settings, builds the year model,
  // measures the printer page and shows the window.
  void Start();

  // Called in the middle of every rebuild of the year model, while Ready is
  // false, before the new model is applied (tests deliver events here).
  std::function<void()> duringYearModelBuild;

  // The menu's commands. Like the buttons, they do nothing during start-up,
  // a rebuild of the year model or a print job.
  // The print preview of `request`, whose command the preview can change.
  void OpenPreview(const render::PrintRequest& request);
  // Asks for a file name (proposed from the title, the year and the
  // command, in the folder of the last export) and writes the PDF there.
  void ExportPdf(const render::PrintRequest& request);
  void PrintAllCommand();
  void HelpCommand();
  void ExitCommand();
  // F1 opens the help from anywhere in the form; a window whose menu shows
  // the key takes it over, so that one press is not claimed twice.
  void HandOverHelpKey();

  // State, for the tests.
  bool ready() const { return Ready; }
  // The month thumbnail or the cover miniature is still being decoded.
  bool picturesPending() const { return ImgTemp.pending() || Immagine.pending(); }
  const core::YearModel& yearModel() const { return year_; }
  const render::TitleLook& titleLook() const { return choices_.titleLook; }
  const render::MoonLook& moonLook() const { return moonLook_; }
  // Empty when the stored moon style is empty.
  std::optional<render::MoonCode> moonStyle() const { return choices_.MoonStyle; }
  // Empty when the stored layout code is not a number.
  std::optional<core::LayoutCode> layoutType() const { return choices_.LayoutType; }
  render::CoverCode coverStyle() const { return choices_.CoverStyle; }
  const std::string& coverTitle() const { return CoverTitle; }
  const render::PageMetrics& pageMetrics() const { return metrics_; }
  const core::TimeBaseState& timeBase() const { return timeBase_; }
  bool printerChosen() const { return PrinterChosen; }
  // The printer the print dialog sets up and the jobs print on.
  QPrinter& printer() { return *printer_; }
  const render::PrintJobs& printJobs() const { return *jobs_; }
  int yearModelBuilds() const { return builds_; }
  const session::PersonalDateSettings& personalDateSettings() const { return personal_; }

  // "Date personali...": the window of the user's calendar files; a
  // confirmed change is stored and the year model rebuilt with it.
  void PersonalDatesCommand();

 signals:
  // Where a finished document went: a file and its pages, or the printer.
  void outputWritten(const QString& message);

 private:
  QShortcut* helpKey_ = nullptr;
  void CreateControls();
  void ConnectControls();
  void CreatePrintJobs();

  // The year model and what the window shows of it.
  void LoadYearData();
  void ShowEntries();
  void ShowMonthThumbnails();
  void LoadCoverPicture();
  void LetEventsRun();

  // Year box, language, help, pictures, exit.
  // The year box's text becomes the year in force (and the model is rebuilt
  // for it), or, when it is no year, gives way to it with a word of why.
  void ApplyYearBox();
  void ShowYearInForce();
  void SayYearRefused(const QString& reason);
  void SpinStepped(int delta);
  void LanguageChosen(int index);
  void HelpClicked();
  void ImagesClicked();
  void ExitClicked();

  // Layout and cover miniature.
  void ShowLayout();
  void LayoutClicked(core::LayoutCode layoutType);
  void CoverClicked();
  void DrawCoverPreview();
  // The page style of the weekly pages and its week numbers: two check boxes
  // under the layout description, stored at each click.
  void CreatePageStyleBoxes();
  void ShowPageStyle();
  void PageStyleClicked(bool boxed);
  void WeekNumbersClicked(bool shown);

  // Title and moon samples.
  void DrawTitleSample();
  void ShowMoonSample();
  void TitleColourClicked();
  void TitleFontClicked();
  void TitleSampleClicked();
  void MoonStyleClicked();

  // Print commands.
  void PrintAll();
  void PrintMonth(int index);
  // HalfYear = half, then the half-year job.
  void PrintHalfYear(render::HalfYear half);
  bool ChoosePrinter();
  // The year model and the choices a job prints with.
  render::PrintInputs PrintInputs() const;
  // Runs a print command; with `pdfFile`, into that file instead of on the
  // printer. Tells the user where the document went, or why it did not.
  void RunPrint(const render::PrintRequest& request, const QString& pdfFile = {});
  // While a job runs the window takes no choices: the job prints what was
  // chosen when it started.
  bool Idle() const;
  void CancelPrint();
  // Tells the user of a data file that exists but could not be read.
  void ReportDataFile(const session::DataFileInUse& data, const session::DataFileStatus& status);
  // The dates of the calendar files `paths` for `year`.
  session::PersonalDatesLoad LoadPersonalDates(const std::vector<std::string>& paths,
                                               int year) const;
  // Tells the user of calendar files read in part or not at all.
  void ReportPersonalDates(const std::vector<events::ImportProblem>& problems);

  // The pixel size of a picture drawn over `label`'s inside.
  QSize PixelsInside(const QLabel* label) const;

  bool eventFilter(QObject* watched, QEvent* event) override;

  WindowEnvironment env_;
  WindowServices services_;
  session::SettingsStore store_;

  // Re-entrancy guard, false during start-up and every year-model build.
  bool Ready = false;

  // The year model and the user's choices. The reversed order and the time
  // base live in their controls: the check box and the time-base label.
  core::YearModel year_;
  session::Choices choices_;
  // The year of the model, the samples and the prints: the last year the
  // year box or its spin buttons applied. The box may hold other text only
  // while the user types.
  int yearInForce_ = 0;
  std::string CoverTitle;
  render::MoonLook moonLook_;
  core::TimeBaseState timeBase_;
  render::PageMetrics metrics_;

  // Pictures held at the size they are shown (the month thumbnail and the
  // cover photo), and the no-cover picture.
  PictureSlot ImgTemp;
  PictureSlot Immagine;
  // Where the cover photo goes on the miniature, in its logical pixels.
  QRectF coverPictureRect_;
  QPixmap coverOffPicture_;

  // Print state.
  // PrintAllActive and HalfYear are kept by the print jobs.
  bool PrinterChosen = false;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<WindowPrintHost> printHost_;
  std::unique_ptr<render::PrintJobs> jobs_;

  int builds_ = 0;
  // The data-file problem last told, so that each build does not tell it again.
  session::DataFileProblem dataFileProblemTold_ = session::DataFileProblem::None;
  // The user's calendar files and the colour of their dates.
  session::PersonalDateSettings personal_;
  // The calendar-file problems last told, for the same reason.
  QString personalProblemsTold_;
  bool personalProblemsQuiet_ = false;  // the next build tells none

  // Controls, named as the user interface names them.
  QLabel* Label4 = nullptr;
  QLineEdit* Text1 = nullptr;
  SpinButtons* UpDown1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* LabelLingua = nullptr;
  QComboBox* Lingue = nullptr;
  ClickableLabel* Fuso = nullptr;
  ClickableLabel* EsempioLun = nullptr;
  QPushButton* OpzioneLuna = nullptr;
  WrapButton* FontKey = nullptr;
  ClickableLabel* EsempioTit = nullptr;
  WrapButton* ColTitKey = nullptr;
  QLabel* CoverOFF = nullptr;
  ClickableLabel* Cover = nullptr;
  LayoutButton* Tipo0 = nullptr;
  LayoutButton* Tipo1 = nullptr;
  LayoutButton* Tipo2 = nullptr;
  ClickableLabel* Miniat1 = nullptr;
  ClickableLabel* Miniat2 = nullptr;
  QLabel* Formato = nullptr;
  QProgressBar* Progress = nullptr;
  QPushButton* AnnullaStampa = nullptr;  // cancels the running job
  QCheckBox* OrdInv = nullptr;
  QCheckBox* Riquadri = nullptr;
  QCheckBox* NumeriSettimana = nullptr;
  WrapButton* Aiuto = nullptr;
  WrapButton* Modifica = nullptr;
  WrapButton* StampaAll = nullptr;
  WrapButton* Stampa0 = nullptr;
  WrapButton* Stampa1 = nullptr;
  WrapButton* Stampa2 = nullptr;
  QFrame* FrameM = nullptr;
  QLabel* LabelM = nullptr;
  std::array<QPushButton*, 12> StampaM{};
  WrapButton* Esci = nullptr;
  EnterMovesFocus* keyPreview_ = nullptr;
};

}  // namespace orsalimbra::ui

// The dialogs and outside services the main window calls on. The program
// uses the standard ones; tests put in their own to answer the dialogs.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/year_model.h"
#include "render/page_inputs.h"
#include "session/personal_dates.h"
#include "session/program_folder.h"
#include "session/settings_store.h"
#include "ui/print_dialog.h"

class QFileDialog;
class QWidget;

namespace orsalimbra::ui {

class PrintPreview;

struct WindowServices {
  // The colour chooser, titled "Colore Titoli"; nothing when cancelled.
  std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColour;
  // The title font chooser, opened on `initial`'s face, bold and italic;
  // nothing when cancelled. Face, bold and italic count.
  std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> chooseFont;
  // The image and note window, shown modally; it may change the pictures
  // and notes of `year` and their settings.
  std::function<void(QWidget* owner, core::YearModel& year, session::SettingsStore& store,
                     const session::ProgramFiles& files)>
      showImageWindow;
  // Opens a help page that exists for the user of `parent`'s window: in the
  // desktop's browser, or in the program's help window when none answers.
  std::function<void(QWidget* parent, const QString& path)> openHelpPage;
  // The page metrics of the printer the calendar will go to.
  std::function<render::PageMetrics()> measurePrinter;
  // The print dialog: sets up the printer (or a PDF file); false when
  // cancelled.
  PrintDialog choosePrinter;
  // The file a PDF export goes to, proposed as `proposed`; nothing when
  // cancelled. The standard dialog asks before overwriting a file.
  std::function<std::optional<QString>(QWidget* parent, const QString& proposed)> chooseExportFile;
  // Shows the print preview until the user closes it.
  std::function<void(PrintPreview& preview)> showPreview;
  // Tells the user that a print job failed and why.
  std::function<void(QWidget* parent, const QString& title, const QString& text)> showPrintFailure;
  // Tells the user that the data file exists but cannot be read.
  std::function<void(QWidget* parent, const QString& title, const QString& text)>
      showDataFileProblem;
  // The "Date personali" window, shown modally on a copy of `settings`;
  // true when the user confirmed, with `settings` as they left it. `load`
  // gives the dates of the files for the year shown.
  std::function<bool(
      QWidget* owner, session::PersonalDateSettings& settings, int year,
      const std::function<session::PersonalDatesLoad(const std::vector<std::string>&)>& load)>
      editPersonalDates;
  // Tells the user of calendar files that could not be read, or only in part.
  std::function<void(QWidget* parent, const QString& title, const QString& text)>
      showPersonalDatesProblem;

  static WindowServices Standard();
};

// The dialog of the standard chooseExportFile: saving a PDF, in Italian, the
// name proposed, ".pdf" added to a name without it, and a question before a
// file is overwritten.
std::unique_ptr<QFileDialog> MakeExportDialog(QWidget* parent, const QString& proposed);

}  // namespace orsalimbra::ui

#include "ui/window_services.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <utility>

#include "ui/help_opener.h"
#include "ui/personal_dates_window.h"
#include "ui/print_preview.h"
#include "ui/printer_metrics.h"
#include "ui/sel_foto_window.h"
#include "ui/title_font_dialog.h"

namespace orsalimbra::ui {

namespace {

std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) {
  const QColor colour = QColorDialog::getColor(initial, parent, QStringLiteral("Colore Titoli"));
  if (!colour.isValid()) return std::nullopt;
  return colour;
}

std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) {
  return TitleFontDialog::Ask(parent, initial);
}

void ShowImageWindow(QWidget* owner, core::YearModel& year, session::SettingsStore& store,
                     const session::ProgramFiles& files) {
  SelFoto window(year, store, files, owner);
  window.exec();
}

void ShowWarning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

bool EditPersonalDates(
    QWidget* owner, session::PersonalDateSettings& settings, int year,
    const std::function<session::PersonalDatesLoad(const std::vector<std::string>&)>& load) {
  PersonalDatesHooks hooks;
  hooks.load = load;
  PersonalDatesWindow window(settings, year, std::move(hooks), owner);
  if (window.exec() != QDialog::Accepted) return false;
  settings = window.settings();
  return true;
}

void OpenHelpPage(QWidget* parent, const QString& path) { OpenHelp(parent, path); }

std::optional<QString> ChooseExportFile(QWidget* parent, const QString& proposed) {
  const std::unique_ptr<QFileDialog> dialog = MakeExportDialog(parent, proposed);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return dialog->selectedFiles().constFirst();
}

void ShowPreview(PrintPreview& preview) { preview.exec(); }

}  // namespace

std::unique_ptr<QFileDialog> MakeExportDialog(QWidget* parent, const QString& proposed) {
  auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Esporta PDF"), proposed,
                                              QStringLiteral("Documenti PDF (*.pdf *.PDF)"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setDefaultSuffix(QStringLiteral("pdf"));
  dialog->selectFile(proposed);
  return dialog;
}

WindowServices WindowServices::Standard() {
  WindowServices services;
  services.chooseColour = &ChooseColour;
  services.chooseFont = &ChooseFont;
  services.showImageWindow = &ShowImageWindow;
  services.openHelpPage = &OpenHelpPage;
  services.measurePrinter = &MeasureDefaultPrinter;
  services.choosePrinter = &StandardPrintDialog;
  services.chooseExportFile = &ChooseExportFile;
  services.showPreview = &ShowPreview;
  services.showPrintFailure = &ShowWarning;
  services.showDataFileProblem = &ShowWarning;
  services.editPersonalDates = &EditPersonalDates;
  services.showPersonalDatesProblem = &ShowWarning;
  return services;
}

}  // namespace orsalimbra::ui

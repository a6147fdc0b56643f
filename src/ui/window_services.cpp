#include "ui/window_services.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/printer_metrics.h"

namespace orsalimbra::ui {

namespace {

std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) {
  const QColor colour = QColorDialog::getColor(initial, parent, QStringLiteral("Colore Titoli"));
  if (!colour.isValid()) return std::nullopt;
  return colour;
}

std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, parent);
  if (!ok) return std::nullopt;
  return font;
}

void OpenHelpPage(const QString& path) {
  // The result is not examined: a page that cannot be shown shows nothing.
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace

WindowServices WindowServices::Standard() {
  WindowServices services;
  services.chooseColour = &ChooseColour;
  services.chooseFont = &ChooseFont;
  services.showImageWindow = &ShowImageWindowPlaceholder;
  services.openHelpPage = &OpenHelpPage;
  services.measurePrinter = &MeasureDefaultPrinter;
  return services;
}

void ShowImageWindowPlaceholder(QWidget* owner, core::YearModel&, SettingsStore&) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QStringLiteral("Imposta immagini e note"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(
      QStringLiteral("La scelta di immagini e note non è ancora disponibile."), &dialog));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace orsalimbra::ui

// The main window's print commands: the printer dialog, the print jobs run
// over the window's progress bar, pointer and focus, the preview, the PDF
// export and the cancel of a running job.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>

#include "render/page_title.h"
#include "session/settings_keys.h"
#include "session/year_inputs.h"
#include "ui/form1.h"
#include "ui/pdf_export_name.h"
#include "ui/print_failure_text.h"
#include "ui/print_preview.h"
#include "ui/printer_metrics.h"
#include "ui/window_print_host.h"
#include "ui/wrap_button.h"

namespace orsalimbra::ui {

void Form1::CreatePrintJobs() {
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setCreator(QStringLiteral("Orsalimbra"));
  WindowPrintHost::Parts parts;
  parts.window = this;
  parts.progress = Progress;
  parts.cancelButton = AnnullaStampa;
  parts.secondHalfButton = Stampa2;
  parts.exitButton = Esci;
  parts.printer = printer_.get();
  parts.choosePrinter = [this] { return ChoosePrinter(); };
  parts.inputs = [this] { return PrintInputs(); };
  parts.letEventsRun = [this] { LetEventsRun(); };
  printHost_ = std::make_unique<WindowPrintHost>(std::move(parts));
  jobs_ = std::make_unique<render::PrintJobs>(*printHost_);
}

// A print reached with Alt and a letter leaves the focus where it was: a year
// still being typed is applied (or refused) first, as leaving the box would.
void Form1::PrintAll() {
  ApplyYearBox();
  RunPrint(render::PrintRequest::All());
}

void Form1::PrintMonth(int index) {
  ApplyYearBox();
  RunPrint(render::PrintRequest::Month(index));
}

void Form1::PrintHalfYear(render::HalfYear half) {
  ApplyYearBox();
  RunPrint(render::PrintRequest::Half(half));
}

bool Form1::Idle() const { return Ready && !jobs_->running(); }

void Form1::CancelPrint() { jobs_->Cancel(); }

void Form1::PrintAllCommand() {
  if (Idle()) PrintAll();
}

bool Form1::ChoosePrinter() {
  // A printer that prints into a file asks again every time, so that the
  // next command never writes silently over the file of the last one.
  if (PrinterChosen && printer_->outputFormat() != QPrinter::PdfFormat) return true;
  if (services_.choosePrinter && services_.choosePrinter(this, *printer_)) {
    PrinterChosen = true;
    // Another printer or paper lays the pages out anew: the page metrics of
    // the start-up belong to the printer that was the default then.
    metrics_ = MeasurePrinter(*printer_);
  } else if (printer_->outputFormat() == QPrinter::PdfFormat) {
    return false;  // no file named this time
  }
  LetEventsRun();
  return PrinterChosen;
}

render::PrintInputs Form1::PrintInputs() const {
  render::PrintInputs inputs;
  inputs.year = year_;
  inputs.yearText = std::to_string(yearInForce_);
  session::Choices now = choices_;
  now.OrdInv = OrdInv->checkState() == Qt::Checked;
  now.UseLocalTime = timeBase_.UseLocalTime();
  inputs.choices = session::PrintChoicesFor(now, year_, timeBase_.UtcOffsetHours(), metrics_,
                                            env_.files.folder.toStdString());
  return inputs;
}

void Form1::RunPrint(const render::PrintRequest& request, const QString& pdfFile) {
  // The document's title: the calendar title with the year it prints, as on
  // the cover.
  printer_->setDocName(QString::fromStdString(
      render::ComposeCalendarTitle(year_.CurrentTitle, std::to_string(yearInForce_))));
  printHost_->SetPdfFile(pdfFile);
  // The year box and the language list show what the job prints.
  Text1->setReadOnly(true);
  Lingue->setEnabled(false);
  const render::PrintResult result = jobs_->Print(request);
  Text1->setReadOnly(false);
  Lingue->setEnabled(true);
  printHost_->SetPdfFile({});

  if (result.status == render::PrintStatus::Printed) {
    const QString pages = result.pages == 1 ? QStringLiteral("1 pagina")
                                            : QStringLiteral("%1 pagine").arg(result.pages);
    const QString file = !pdfFile.isEmpty() ? pdfFile
                         : printer_->outputFormat() == QPrinter::PdfFormat
                             ? printer_->outputFileName()
                             : QString();
    emit outputWritten(
        file.isEmpty()
            ? QStringLiteral("Inviato alla stampante %1 (%2).").arg(printer_->printerName(), pages)
            : QStringLiteral("PDF salvato: %1 (%2).").arg(QDir::toNativeSeparators(file), pages));
  } else if (result.status == render::PrintStatus::Cancelled) {
    emit outputWritten(QStringLiteral("Stampa annullata: nessun documento scritto."));
  } else if ((result.status == render::PrintStatus::Failed ||
              result.status == render::PrintStatus::PageTooSmall) &&
             services_.showPrintFailure) {
    services_.showPrintFailure(this, QString::fromUtf8(kPrintFailureTitle),
                               PrintFailureText(result.failure));
  }
}

void Form1::ExportPdf(const render::PrintRequest& request) {
  if (!Idle() || !services_.chooseExportFile) return;
  // Reached by its key while a year is being typed: as the prints do, the
  // year is applied (or refused) first, so that the name and the pages agree.
  ApplyYearBox();
  QString folder = store_.read(QString::fromLatin1(session::keys::CartellaPdf), QString());
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  const QString proposed =
      QDir(folder).filePath(ProposedPdfName(year_, std::to_string(yearInForce_), request));
  const std::optional<QString> file = services_.chooseExportFile(this, proposed);
  if (!file || file->isEmpty()) return;
  store_.write(QString::fromLatin1(session::keys::CartellaPdf), QFileInfo(*file).absolutePath());
  RunPrint(request, *file);
}

void Form1::OpenPreview(const render::PrintRequest& request) {
  if (!Idle()) return;
  ApplyYearBox();
  PrintPreview::Hooks hooks;
  hooks.inputs = [this] { return PrintInputs(); };
  hooks.print = [this](const render::PrintRequest& r) {
    if (Idle()) RunPrint(r);
  };
  hooks.exportPdf = [this](const render::PrintRequest& r) { ExportPdf(r); };
  PrintPreview preview(printer_->pageLayout(), year_, request, std::move(hooks), this);
  if (services_.showPreview) services_.showPreview(preview);
}

}  // namespace orsalimbra::ui

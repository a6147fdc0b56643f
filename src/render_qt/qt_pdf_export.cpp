#include "render_qt/qt_pdf_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "render_qt/qt_measure_surface.h"
#include "render_qt/qt_pdf_surface.h"

namespace orsalimbra::render {

namespace {

// The window's part in a job, played by nobody: the writer is set up
// beforehand and there is no bar, pointer or focus to show.
class PdfHost : public PrintHost {
 public:
  PdfHost(QPdfWriter& writer, QString file, PrintInputs inputs)
      : writer_(writer),
        file_(std::move(file)),
        inputs_(std::move(inputs)),
        measure_(QtMeasureSurface::PrintableTwips(writer.pageLayout())) {}

  bool ChoosePrinter() override { return true; }
  PrintInputs Inputs() override { return inputs_; }
  Surface& PageMeasure() override { return measure_; }
  Surface* OpenDocument() override {
    surface_ = std::make_unique<QtPdfSurface>(&writer_, file_);
    return surface_.get();
  }
  void CloseDocument() override { surface_.reset(); }
  void SetProgressMaximum(int) override {}
  void SetProgressValue(int) override {}
  void SetProgressVisible(bool) override {}
  void LetEventsRun() override {}

 private:
  QPdfWriter& writer_;
  QString file_;
  PrintInputs inputs_;
  QtMeasureSurface measure_;
  std::unique_ptr<QtPdfSurface> surface_;
};

std::string Native(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

}  // namespace

PrintResult ExportPdf(const PdfTarget& target, PrintInputs inputs, const PrintRequest& request) {
  const QFileInfo info(target.path);
  // A hidden name in the same folder, so that the final rename cannot cross
  // file systems.
  const QString partial = info.dir().filePath(
      QStringLiteral(".%1.%2.part").arg(info.fileName()).arg(QCoreApplication::applicationPid()));

  // A writer has the resolution (1200 dpi) and the margins (10 points) of
  // a high-resolution printer printing into a PDF file.
  QPdfWriter writer(partial);
  writer.setPageSize(target.pageSize);
  writer.setPageOrientation(target.orientation);
  writer.setCreator(QStringLiteral("Orsalimbra"));
  QtMeasureSurface page(QtMeasureSurface::PrintableTwips(writer.pageLayout()));
  inputs.choices.metrics = MeasurePage(page);

  PdfHost host(writer, partial, std::move(inputs));
  PrintJobs jobs(host);
  PrintResult result = jobs.Print(request);

  if (result.status != PrintStatus::Printed) {
    QFile::remove(partial);
    // The user named the target, not the temporary file.
    if (result.failure.subject == partial.toStdString()) {
      result.failure.subject = Native(target.path);
    }
    return result;
  }
  std::error_code error;
  std::filesystem::rename(QFile::encodeName(partial).toStdString(),
                          QFile::encodeName(target.path).toStdString(), error);
  if (error) {
    QFile::remove(partial);
    result.status = PrintStatus::Failed;
    result.failure = {DeviceFailure::Kind::CannotWriteFile, Native(target.path), error.message()};
  }
  return result;
}

}  // namespace orsalimbra::render

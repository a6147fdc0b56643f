#include "ui/window_print_host.h"

#include <QPrinter>
#include <QProgressBar>
#include <QWidget>

#include "render_qt/qt_measure_surface.h"
#include "render_qt/qt_pdf_surface.h"
#include "render_qt/qt_printer_surface.h"

namespace orsalimbra::ui {

WindowPrintHost::WindowPrintHost(Parts parts) : parts_(std::move(parts)) {}

WindowPrintHost::~WindowPrintHost() = default;

bool WindowPrintHost::ChoosePrinter() { return parts_.choosePrinter && parts_.choosePrinter(); }

render::PrintInputs WindowPrintHost::Inputs() {
  return parts_.inputs ? parts_.inputs() : render::PrintInputs{};
}

render::Surface& WindowPrintHost::PageMeasure() {
  const QSizeF page = parts_.printer != nullptr
                          ? render::QtMeasureSurface::PrintableTwips(parts_.printer->pageLayout())
                          : QSizeF();
  measure_ = std::make_unique<render::QtMeasureSurface>(page);
  return *measure_;
}

render::Surface* WindowPrintHost::OpenDocument() {
  QPrinter* printer = parts_.printer;
  if (printer == nullptr) return nullptr;
  if (printer->outputFormat() == QPrinter::PdfFormat) {
    // Printing into a file: drawn through the program's PDF writer, which
    // sees a full disk, instead of the printer's, which does not.
    render::PdfPage page;
    page.layout = printer->pageLayout();
    page.resolution = printer->resolution();
    page.creator = printer->creator();
    page.title = printer->docName();
    surface_ = std::make_unique<render::QtPdfSurface>(printer->outputFileName(), page);
  } else {
    surface_ = std::make_unique<render::QtPrinterSurface>(printer);
  }
  return surface_.get();
}

void WindowPrintHost::CloseDocument() {
  surface_.reset();
  // A job that stopped in the middle of a part leaves no busy pointer.
  SetBusyPointer(false);
}

void WindowPrintHost::SetProgressMaximum(int maximum) {
  if (parts_.progress) parts_.progress->setMaximum(maximum);
}

void WindowPrintHost::SetProgressValue(int value) {
  if (parts_.progress) parts_.progress->setValue(value);
}

void WindowPrintHost::SetProgressVisible(bool visible) {
  if (parts_.progress) parts_.progress->setVisible(visible);
}

void WindowPrintHost::LetEventsRun() {
  if (parts_.letEventsRun) parts_.letEventsRun();
}

void WindowPrintHost::SetBusyPointer(bool busy) {
  if (parts_.window == nullptr) return;
  if (busy) {
    parts_.window->setCursor(Qt::WaitCursor);
  } else {
    parts_.window->unsetCursor();
  }
}

void WindowPrintHost::PartStarted(render::HalfYear) { SetBusyPointer(true); }

void WindowPrintHost::PartFinished(render::HalfYear part) {
  QWidget* widget = part == render::HalfYear::First ? parts_.secondHalfButton : parts_.exitButton;
  if (widget) widget->setFocus(Qt::OtherFocusReason);
  SetBusyPointer(false);
}

}  // namespace orsalimbra::ui

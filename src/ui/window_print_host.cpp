#include "ui/window_print_host.h"

#include <QPrinter>
#include <QProgressBar>
#include <QWidget>

#include <QPdfWriter>

#include "render_qt/qt_pdf_surface.h"
#include "render_qt/qt_printer_surface.h"

namespace orsalimbra::ui {

WindowPrintHost::WindowPrintHost(Parts parts) : parts_(std::move(parts)) {}

WindowPrintHost::~WindowPrintHost() = default;

bool WindowPrintHost::ChoosePrinter() {
  if (!pdfFile_.isEmpty()) return true;
  return parts_.choosePrinter && parts_.choosePrinter();
}

render::PrintInputs WindowPrintHost::Inputs() {
  return parts_.inputs ? parts_.inputs() : render::PrintInputs{};
}

render::Surface* WindowPrintHost::OpenDocument() {
  QPrinter* printer = parts_.printer;
  if (printer == nullptr) return nullptr;
  if (!pdfFile_.isEmpty()) {
    pdfWriter_ = std::make_unique<QPdfWriter>(pdfFile_);
    pdfWriter_->setPageLayout(printer->pageLayout());
    pdfWriter_->setCreator(printer->creator());
    pdfWriter_->setTitle(printer->docName());
    surface_ = std::make_unique<render::QtPdfSurface>(pdfWriter_.get(), pdfFile_);
  } else {
    surface_ = std::make_unique<render::QtPrinterSurface>(printer);
  }
  return surface_.get();
}

void WindowPrintHost::CloseDocument() {
  surface_.reset();
  pdfWriter_.reset();
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
  if (parts_.cancelButton) parts_.cancelButton->setVisible(visible);
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

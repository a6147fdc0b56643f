#include "ui/print_dialog.h"

#include <QPrintDialog>

#include <QPrinter>
#include <memory>

namespace orsalimbra::ui {

std::unique_ptr<QPrintDialog> MakePrintDialog(QWidget* parent, QPrinter& printer) {
  // The commands decide which pages they print: the dialog offers no page
  // range, selection or current page, so that it offers nothing the jobs
  // would ignore. Copies, duplex and paper are the printer's.
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(0, 0);
  auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
  dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog;
}

bool StandardPrintDialog(QWidget* parent, QPrinter& printer) {
  const bool confirmed = MakePrintDialog(parent, printer)->exec() == QDialog::Accepted;
  printer.setPrintRange(QPrinter::AllPages);
  return confirmed;
}

}  // namespace orsalimbra::ui

#include "ui/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace orsalimbra::ui {

bool StandardPrintDialog(QWidget* parent, QPrinter& printer) {
  // The range is preset to the selection; with the page range handled by
  // the application (not the print server), whatever range is chosen only
  // lands in the printer's settings, which the print jobs never read.
  printer.setPrintRange(QPrinter::Selection);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(0, 0);
  return confirmed;
}

}  // namespace orsalimbra::ui

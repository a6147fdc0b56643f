// The print dialog of the print commands.
#pragma once

#include <functional>
#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace orsalimbra::ui {

// Shows the print dialog for `printer` over `parent` and leaves the choice
// (printer or PDF file, paper, orientation) on it. True when confirmed; a
// cancelled dialog changes nothing.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;

// The platform's print dialog, offering every page only.
bool StandardPrintDialog(QWidget* parent, QPrinter& printer);
// The dialog StandardPrintDialog shows.
std::unique_ptr<QPrintDialog> MakePrintDialog(QWidget* parent, QPrinter& printer);

}  // namespace orsalimbra::ui

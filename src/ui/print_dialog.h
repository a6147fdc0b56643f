// The print dialog of the print commands.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace orsalimbra::ui {

// Shows the print dialog for `printer` over `parent` and leaves the choice
// (printer or PDF file, paper, orientation) on it. True when confirmed; a
// cancelled dialog changes nothing. The page range the dialog offers is not
// used: the commands decide which pages they print.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;

// The platform's print dialog, with the range preset to the selection.
bool StandardPrintDialog(QWidget* parent, QPrinter& printer);

}  // namespace orsalimbra::ui

// The main window's print commands. The print jobs are not built yet: the
// commands do nothing. The handlers have already checked Ready where the
// command is guarded; HalfYear is set before PrintHalfYear runs.
#include "ui/form1.h"

namespace orsalimbra::ui {

void Form1::PrintAll() {}

void Form1::PrintMonth(int) {}

void Form1::PrintHalfYear() {}

bool Form1::ChoosePrinter() { return PrinterChosen; }

}  // namespace orsalimbra::ui

// What the window tells the user when a print job fails.
#pragma once

#include <QString>
#include <string>

namespace orsalimbra::ui {

// Title of the message box.
inline constexpr char kPrintFailureTitle[] = "Stampa non riuscita";

// The message for a job the device stopped: what failed, in Italian, from
// the device's report (which names the file or printer); a report of
// another kind is shown as it is.
QString PrintFailureText(const std::string& deviceReport);

}  // namespace orsalimbra::ui

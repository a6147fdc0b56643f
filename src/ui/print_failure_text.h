// What the window tells the user when a print job fails.
#pragma once

#include <QString>

#include "render/surface.h"

namespace orsalimbra::ui {

// Title of the message box.
inline constexpr char kPrintFailureTitle[] = "Stampa non riuscita";

// The message for a job the device stopped, or that did not start because
// its pages do not fit the paper: what failed, in Italian, naming the file,
// printer or printable area concerned.
QString PrintFailureText(const render::DeviceFailure& failure);

}  // namespace orsalimbra::ui

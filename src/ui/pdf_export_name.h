// The file name the window proposes for a PDF of a print command.
#pragma once

#include <QString>

#include <string>

#include "core/year_model.h"
#include "render/print_jobs.h"

namespace orsalimbra::ui {

// The calendar title with the year as the pages show it (in the chosen
// language, "#" titles with the year first), then what the command prints:
// "Calendario 2027.pdf", "Calendario 2027 - Marzo.pdf" (two months to a
// sheet: "Marzo-Aprile"; a month without a name: its number, "03"),
// "Calendario 2027 - primo semestre.pdf",
// "Calendario 2027 - copertina.pdf". The year is the year box's when it
// holds one, else the model's. Characters that a file name cannot hold on
// the usual systems become "-".
QString ProposedPdfName(const core::YearModel& year, const std::string& yearText,
                        const render::PrintRequest& request);

}  // namespace orsalimbra::ui

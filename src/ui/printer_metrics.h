// The page metrics the renderers start from, taken once at start-up.
#pragma once

#include "render/page_inputs.h"

class QPrinter;

namespace orsalimbra::ui {

// The printable page of `printer` in twips and the size of a 20-point
// regular "0", measured without starting a print job.
render::PageMetrics MeasurePrinter(const QPrinter& printer);

// The metrics of the default printer. Without any printer installed, those
// of an A4 PDF file: the user can still print to PDF, and the renderers
// need a page of some size.
render::PageMetrics MeasureDefaultPrinter();

// The A4 PDF page used when there is no printer.
render::PageMetrics MeasureA4Pdf();

}  // namespace orsalimbra::ui

// The page metrics of a printer, measured without printing anything: the
// figures a drawing surface on that printer would give, for the page and
// paper the print dialog left on it.
#pragma once

#include <QFont>
#include <string>

#include "render/page_context.h"

class QPrinter;

namespace orsalimbra::render {

// The font the Qt surface draws with: sized in pixels of the twip space (one
// point is 20 twips) with hinting off, so its metrics in twips are the same
// on every device. An empty name is the base font.
QFont TwipFont(const std::string& name, double points, bool bold, bool italic);

// PageWidth, PageHeight and PageWidth80 from the printable area of the
// printer's page layout, and the size of the 20-point regular "0", as
// MeasurePage finds them on a surface over that printer.
PageMetrics MeasurePrinterPage(const QPrinter& printer);

}  // namespace orsalimbra::render

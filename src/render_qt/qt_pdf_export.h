// A print job written to a PDF file without a window: the command-line
// export and the benchmarks run the window's jobs through it.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "render/print_jobs.h"

namespace orsalimbra::render {

struct PdfTarget {
  QString path;
  QPageSize pageSize = QPageSize(QPageSize::A4);
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// Runs `request` on a PDF writer for `target`, with the page metrics
// measured on that printer (those of `inputs` are replaced). The document is
// written beside the target under a temporary name and takes the target's
// name only once it is complete: a failed export leaves no file behind and
// an existing file at the target is replaced only by a whole document.
PrintResult ExportPdf(const PdfTarget& target, PrintInputs inputs, const PrintRequest& request);

}  // namespace orsalimbra::render

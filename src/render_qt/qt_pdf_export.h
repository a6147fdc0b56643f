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

// Runs `request` on a PDF file for `target`, with the page metrics measured
// on its page (those of `inputs` are replaced). The file is written through
// a PdfFile: a failed export (a full disk, a target that is no regular file)
// leaves no file behind, and an existing file at the target is replaced only
// by a whole document.
PrintResult ExportPdf(const PdfTarget& target, PrintInputs inputs, const PrintRequest& request);

}  // namespace orsalimbra::render

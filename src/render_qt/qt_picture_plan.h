// The pictures a print job will paint, in page order, found before it draws:
// a dry run of the same job on a surface that measures text as the Qt
// surfaces do and paints nothing.
#pragma once

#include <QSizeF>

#include <string>
#include <vector>

#include "render/print_jobs.h"

namespace orsalimbra::render {

struct PlannedPicture {
  std::string path;
  QSizeF twips;  // the size it is painted at
  PicturePart part;
};

// The pictures of `request` with `inputs` (whose metrics are the page's) on
// a printable page of `pageTwips`.
std::vector<PlannedPicture> PlanPictures(const PrintRequest& request, const PrintInputs& inputs,
                                         QSizeF pageTwips);

}  // namespace orsalimbra::render

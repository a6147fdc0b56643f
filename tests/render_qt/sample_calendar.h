// A complete calendar for 2024 (names, holidays, pictures, notes) and the
// seven kinds of printed page drawn from it, for the end-to-end checks.
#pragma once

#include <QString>

#include "core/year_model.h"
#include "render/page_inputs.h"
#include "render/surface.h"

namespace orsalimbra::render::testing {

struct SampleCalendar {
  // Writes the month and cover pictures and a background into `folder`.
  explicit SampleCalendar(const QString& folder);

  QString folder;
  core::YearModel year;
  bool ready = false;  // every picture file was written
};

// Draws, one page each: the first half-year page; April weekly with its
// picture; January and February weekly on one page; March daily with its
// picture; January and February daily on one page; the cover; the back
// cover. `phases` replaces the moon phase computation when set.
void DrawSamplePages(Surface& surface, const SampleCalendar& sample,
                     const MoonPhaseSource& phases = {});

}  // namespace orsalimbra::render::testing

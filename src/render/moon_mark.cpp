#include "render/moon_mark.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "render/page_inputs.h"

namespace orsalimbra::render {

namespace {

enum class Phase { New, Full, FirstQuarter, LastQuarter };

// The angle constant of the pie ends; the symbols were laid out with it.
constexpr double kPi = 3.1416;

bool FallsOn(const std::string& instant, const std::string& dateText) {
  return !dateText.empty() && instant.compare(0, dateText.size(), dateText) == 0;
}

}  // namespace

void DrawMoonMark(Surface& s, const MoonLook& look, const core::MoonPhaseTable& table,
                  const std::string& dateText, double scale, bool withTime) {
  if (look.MoonStyle <= MoonCode::None) return;
  s.ForeColor = look.MoonLineColour;
  s.FillColor = look.MoonFillColour;
  const double px = s.CurrentX;
  const double py = s.CurrentY;
  const int lineWidth = static_cast<int>(std::lround(3 * scale));
  const double radius = 90 * scale;
  const Colour line = look.MoonLineColour;

  // Slot by slot, and within a slot in this order of kinds: the first phase
  // that falls on the day is its only symbol.
  const std::string* instant = nullptr;
  Phase phase = Phase::New;
  for (std::size_t slot = 0; slot < 4 && instant == nullptr; ++slot) {
    if (FallsOn(table.NewMoons[slot], dateText)) {
      instant = &table.NewMoons[slot];
      phase = Phase::New;
    } else if (FallsOn(table.FullMoons[slot], dateText)) {
      instant = &table.FullMoons[slot];
      phase = Phase::Full;
    } else if (look.MoonDetail && FallsOn(table.FirstQuarters[slot], dateText)) {
      instant = &table.FirstQuarters[slot];
      phase = Phase::FirstQuarter;
    } else if (look.MoonDetail && FallsOn(table.LastQuarters[slot], dateText)) {
      instant = &table.LastQuarters[slot];
      phase = Phase::LastQuarter;
    }
  }

  if (instant != nullptr) {
    s.DrawWidth = lineWidth;
    // A white fill means none: the symbol stays an outline on any paper.
    s.FillStyle =
        (phase == Phase::New || look.MoonFillColour == kWhite) ? kFillTransparent : kFillSolid;
    const double cy = py + 140 * scale;
    switch (phase) {
      case Phase::New:
        s.Circle(px + 140 * scale, cy, radius, line);
        break;
      case Phase::Full: {
        const double cx = px + 140 * scale;
        s.Circle(cx, cy, radius, line);
        s.Circle(cx, cy, 60 * scale, line, 3.5, 6.02);               // mouth
        s.Circle(cx, cy, 55 * scale, line, 0.6, 1.1);                // right eye
        s.Circle(cx, cy, 55 * scale, line, 2.04, 2.54);              // left eye
        s.Circle(cx, cy - 25 * scale, 55 * scale, line, 4.5, -5.0);  // nose
        break;
      }
      case Phase::FirstQuarter:
        // The right-hand 216 degrees, through three o'clock.
        s.Circle(px + 130 * scale, cy, radius, line, -1.4 * kPi, -0.6 * kPi);
        break;
      case Phase::LastQuarter:
        // The left-hand 216 degrees, through nine o'clock.
        s.Circle(px + 150 * scale, cy, radius, line, -0.4 * kPi, -1.6 * kPi);
        break;
    }
    if (withTime && instant->size() >= 5) {
      const double size = s.FontSize;
      s.FontSize = IntPart(0.4 * size);
      s.CurrentX = px + 40 * scale;
      s.CurrentY = py - 40 * scale;
      s.Print(std::string_view(*instant).substr(instant->size() - 5), true);  // "hh:nn"
      s.FontSize = size;
    }
  }

  s.FillStyle = kFillTransparent;
  s.CurrentX = px;
  s.CurrentY = py;
}

double MoonMarkReach(Surface& s, const MoonLook& look, double scale, bool withTime) {
  if (look.MoonStyle <= MoonCode::None) return 0;
  // The widest symbol, a last-quarter pie, and the circles end 150 + 90 in.
  double reach = 240 * scale;
  if (withTime) {
    const double size = s.FontSize;
    s.FontSize = IntPart(0.4 * size);
    reach = std::max(reach, 40 * scale + s.TextWidth("00:00"));
    s.FontSize = size;
  }
  return reach;
}

}  // namespace orsalimbra::render

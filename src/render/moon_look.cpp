#include "render/moon_look.h"

#include <array>

namespace orsalimbra::render {

namespace {
constexpr Colour kOchre = Rgb(144, 103, 18);
constexpr Colour kCrimson = Rgb(231, 18, 97);
constexpr Colour kYellow = Rgb(255, 255, 0);

constexpr std::array<MoonLook, 9> kStyles{{
    {MoonCode::None, kWhite, kWhite, false},
    {MoonCode::OchreYellowQuarters, kOchre, kYellow, true},
    {MoonCode::CrimsonYellowQuarters, kCrimson, kYellow, true},
    {MoonCode::OchreWhiteQuarters, kOchre, kWhite, true},
    {MoonCode::CrimsonWhiteQuarters, kCrimson, kWhite, true},
    {MoonCode::OchreYellow, kOchre, kYellow, false},
    {MoonCode::CrimsonYellow, kCrimson, kYellow, false},
    {MoonCode::OchreWhite, kOchre, kWhite, false},
    {MoonCode::CrimsonWhite, kCrimson, kWhite, false},
}};
}  // namespace

MoonLook MoonLookFor(MoonCode style) {
  const int index = static_cast<int>(style);
  if (index < 0 || index >= static_cast<int>(kStyles.size())) return kStyles[0];
  return kStyles[static_cast<std::size_t>(index)];
}

}  // namespace orsalimbra::render

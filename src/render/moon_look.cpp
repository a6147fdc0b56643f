#include "render/moon_look.h"

#include <array>

namespace orsalimbra::render {

namespace {
constexpr Colour kOchre = Rgb(144, 103, 18);
constexpr Colour kCrimson = Rgb(231, 18, 97);
constexpr Colour kYellow = Rgb(255, 255, 0);

constexpr std::array<MoonLook, 9> kStyles{{
    {0, kWhite, kWhite, false},
    {1, kOchre, kYellow, true},
    {2, kCrimson, kYellow, true},
    {3, kOchre, kWhite, true},
    {4, kCrimson, kWhite, true},
    {5, kOchre, kYellow, false},
    {6, kCrimson, kYellow, false},
    {7, kOchre, kWhite, false},
    {8, kCrimson, kWhite, false},
}};
}  // namespace

MoonLook MoonLookFor(int style) {
  if (style < 0 || style >= static_cast<int>(kStyles.size())) return kStyles[0];
  return kStyles[static_cast<std::size_t>(style)];
}

}  // namespace orsalimbra::render

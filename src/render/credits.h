// The program's credit line: the end of the main window's caption and the
// last line of the back cover.
#pragma once

#include <string_view>

namespace orsalimbra::render {

inline constexpr std::string_view kProgramBanner = " Generatore di calendari - Ver.3.7 ";
inline constexpr std::string_view kAuthorCredit = "© gli sviluppatori di Orsalimbra";

// kProgramBanner, one more blank, kAuthorCredit.
inline constexpr const char* kCreditLine =
    " Generatore di calendari - Ver.3.7  © gli sviluppatori di Orsalimbra";

static_assert(std::string_view(kCreditLine).size() ==
                      kProgramBanner.size() + 1 + kAuthorCredit.size() &&
                  std::string_view(kCreditLine).starts_with(kProgramBanner) &&
                  std::string_view(kCreditLine).substr(kProgramBanner.size(), 1) == " " &&
                  std::string_view(kCreditLine).ends_with(kAuthorCredit),
              "the credit line is the banner, a blank and the author credit");

}  // namespace orsalimbra::render

// The program's credit line: the end of the main window's caption and the
// last line of the back cover.
#pragma once

namespace orsalimbra::render {

inline constexpr const char* kProgramBanner = " Generatore di calendari - Ver.3.7 ";
inline constexpr const char* kAuthorCredit = "© gli sviluppatori di Orsalimbra";

// kProgramBanner, one more blank, kAuthorCredit.
inline constexpr const char* kCreditLine =
    " Generatore di calendari - Ver.3.7  © gli sviluppatori di Orsalimbra";

}  // namespace orsalimbra::render

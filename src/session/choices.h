// The user's choices as a session holds them, and what a print job and a
// year-model build are made of: one conversion for the window and the
// command line.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/year_model.h"
#include "render/cover_code.h"
#include "render/moon_look.h"
#include "render/page_inputs.h"
#include "session/settings_keys.h"
#include "session/stored_choices.h"

namespace orsalimbra::session {

struct Choices {
  int LanguageIndex = 0;
  // Empty: the stored code is no number, and the window keeps its layout.
  std::optional<core::LayoutCode> LayoutType = core::LayoutCode::Weekly;
  render::CoverCode CoverStyle = render::CoverCode::None;
  render::CoverFit coverFit = render::CoverFit::Fill;
  render::PageStyle pageStyle = render::PageStyle::Classic;
  bool weekNumbers = true;
  // Empty: no moon style is set, and the moon sample stays as it is.
  std::optional<render::MoonCode> MoonStyle;
  render::TitleLook titleLook;
  // Empty: a stored number other than 0 and 1, which leaves the check box
  // as it is.
  std::optional<bool> OrdInv;
  bool UserPhotosSet = false;
  bool UseLocalTime = false;
  std::array<std::string, keys::kPageCount> PhotoPaths;
  std::array<std::string, keys::kPageCount> PhotoNotes;
  // The colour of the user's own dates ("ColoreDatePersonali").
  render::Colour personalDateColour = render::kDarkBlue;
};

// The stored texts converted: a cover style that is no number is style 0, a
// cover fit that is no number fills the page, a page style that is no number
// draws open rows.
Choices ChoicesFrom(const StoredChoices& stored);

// The model a session's first build starts from: the chosen language, and
// the pictures and notes of the settings.
core::YearModel StartingYearModel(const Choices& choices);

// What a print job of `year` prints with. A picture-only cover without a
// cover picture prints no cover, as the window's miniature gives it up.
// Pictures are looked up on disk.
render::PrintChoices PrintChoicesFor(const Choices& choices, const core::YearModel& year,
                                     int utcOffsetHours, const render::PageMetrics& metrics,
                                     const std::string& programFolder);

}  // namespace orsalimbra::session

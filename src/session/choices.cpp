#include "session/choices.h"

#include "render/cover_preview.h"
#include "session/year_inputs.h"

namespace orsalimbra::session {

Choices ChoicesFrom(const StoredChoices& stored) {
  Choices c;
  c.LanguageIndex = stored.LanguageIndex;
  c.LayoutType = stored.layoutCode();
  c.CoverStyle = stored.coverStyle().value_or(render::CoverCode::None);
  c.coverFit = stored.coverFit().value_or(render::CoverFit::Fill);
  c.pageStyle = stored.pageStyle().value_or(render::PageStyle::Classic);
  c.weekNumbers = stored.weekNumbers;
  c.MoonStyle = stored.moonStyleShown();
  c.titleLook = stored.titleLook();
  if (stored.OrdInv == 0 || stored.OrdInv == 1) c.OrdInv = stored.OrdInv == 1;
  c.UserPhotosSet = stored.UserPhotosSet;
  c.UseLocalTime = stored.UseLocalTime;
  for (int page = 0; page < keys::kPageCount; ++page) {
    c.PhotoPaths[page] = stored.PhotoPaths[page].toStdString();
    c.PhotoNotes[page] = stored.PhotoNotes[page].toStdString();
  }
  return c;
}

core::YearModel StartingYearModel(const Choices& choices) {
  core::YearModel model;
  model.LanguageIndex = choices.LanguageIndex;
  model.PhotoPaths = choices.PhotoPaths;
  model.PhotoNotes = choices.PhotoNotes;
  return model;
}

render::PrintChoices PrintChoicesFor(const Choices& choices, const core::YearModel& year,
                                     int utcOffsetHours, const render::PageMetrics& metrics,
                                     const std::string& programFolder) {
  render::PrintChoices c;
  c.LayoutType = choices.LayoutType.value_or(core::LayoutCode::Invalid);
  c.CoverStyle = choices.CoverStyle;
  if (render::PlanCoverPreview(c.CoverStyle, c.LayoutType, year.HasCoverPhoto).styleBecomesNone) {
    c.CoverStyle = render::CoverCode::None;
  }
  c.coverFit = choices.coverFit;
  c.pageStyle = choices.pageStyle;
  c.weekNumbers = choices.weekNumbers;
  c.OrdInv = choices.OrdInv.value_or(false);
  c.titleLook = choices.titleLook;
  if (choices.MoonStyle) c.moonLook = render::MoonLookFor(*choices.MoonStyle);
  c.colours.PersonalDateColour = choices.personalDateColour;
  c.timeBase.UseLocalTime = choices.UseLocalTime;
  c.timeBase.UtcOffsetHours = utcOffsetHours;
  c.metrics = metrics;
  c.programFolder = programFolder;
  c.fileExists = &PictureFileExists;
  return c;
}

}  // namespace orsalimbra::session

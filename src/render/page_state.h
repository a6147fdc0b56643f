// What the renderers change while they draw the pages of one job: the month
// cursor, the measures one renderer leaves for the next (the digit size of
// the last grid places the next page's note), and the picture and title
// boxes. One PageState lives as long as its job's document.
#pragma once

#include <chrono>
#include <string>

#include "core/moon_phases.h"
#include "render/colour.h"
#include "render/page_inputs.h"

namespace orsalimbra::render {

struct PageState {
  // The cursor on 1 January of the model's year, the digit size and the
  // heading colour as the job's inputs give them.
  explicit PageState(const PageInputs& in);

  // The month to draw (its first day); each drawn day moves it on by one.
  std::chrono::year_month_day MonthStart;
  // The year of the calendar titles.
  int CalendarYear = 0;
  // The phases of the month being drawn.
  core::MoonPhaseTable moonTable;

  // The size of "0" as last measured: the grids and lists measure it in
  // their own font.
  double DigitWidth = 0;
  double DigitHeight = 0;
  // The colour of the next month heading; grey for one block of a half-year
  // page, black again after it.
  Colour MonthHeadColour = kBlack;

  // Where and at which scale the next grid or list is drawn.
  double FontScale = 1;
  double ColumnScale = 1;
  double ColumnWidth = 760;
  double GridLeft = 0;
  double BlockTop = 0;

  // The picture last placed, and the box of the picture or title last drawn.
  double PictureWidth = 0;
  double PictureHeight = 0;
  double BoxLeft = 0;
  double BoxTop = 0;

  // The title box: the text and where it goes are set before DrawPageTitle,
  // which fits the text into it.
  std::string CoverTitle;
  double TitleTop = 0;
  double TitleHeight = 0;
  int TitleFontSize = 0;
  double TitleTextHeight = 0;
  double TitleTextWidth = 0;

  // The background files of the half-year pages, without folder.
  std::string CurrentBackground;
  std::string FirstHalfBackground;
  std::string SecondHalfBackground;
};

}  // namespace orsalimbra::render

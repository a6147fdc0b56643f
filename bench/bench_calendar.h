// The calendar the print benchmarks print: 2026 in the weekly layout, with
// a cover, a back cover, holidays and a picture on every page.
#pragma once

#include <QString>
#include <functional>

#include "core/date_rules.h"
#include "render/cover_code.h"
#include "render/moon_look.h"
#include "render/print_jobs.h"

namespace orsalimbra::bench {

// The inputs of "Stampa tutto" with `picture(page)` as the picture of page
// 0 (the cover) to 12.
inline render::PrintInputs WeeklyCalendar(const QString& folder,
                                          const std::function<QString(int page)>& picture) {
  render::PrintInputs inputs;
  core::YearModel& y = inputs.year;
  y.CalendarYear = 2026;
  y.MonthStart = std::chrono::year{2026} / 1 / 1;
  y.MonthDays = core::MonthLengthsOf(2026);
  y.PageName = {"Copertina", "Gennaio", "Febbraio",  "Marzo",   "Aprile",   "Maggio",  "Giugno",
                "Luglio",    "Agosto",  "Settembre", "Ottobre", "Novembre", "Dicembre"};
  y.DayNames = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
  y.CurrentTitle = "Calendario";
  for (const auto& [date, name] : {std::pair{"01/01/2026", "Capodanno"},
                                   {"06/01/2026", "Epifania"},
                                   {"25/04/2026", "Festa della Liberazione"},
                                   {"25/12/2026", "Natale"}}) {
    y.HolidayDates.push_back(date);
    y.HolidayNames.push_back(name);
  }
  y.HolidayCount = static_cast<int>(y.HolidayDates.size());
  for (int page = 0; page < 13; ++page) {
    y.PhotoPaths[page] = picture(page).toStdString();
    y.PhotoNotes[page] = page == 0 ? "Buon anno\\dalla famiglia" : "Nota del mese";
  }
  y.HasCoverPhoto = true;
  y.NoMonthPhotos = 0;
  y.firstMonthPhoto = 1;
  inputs.yearText = "2026";
  inputs.choices.LayoutType = core::LayoutCode::Weekly;
  inputs.choices.CoverStyle = render::CoverCode::TitleMiddle;
  inputs.choices.titleLook.TitleShadow = true;
  inputs.choices.titleLook.TitleBold = true;
  inputs.choices.moonLook = render::MoonLookFor(render::MoonCode::OchreYellowQuarters);
  inputs.choices.programFolder = folder.toStdString();
  return inputs;
}

}  // namespace orsalimbra::bench

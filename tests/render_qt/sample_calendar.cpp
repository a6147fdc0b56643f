#include "sample_calendar.h"

#include <QDir>

#include "picture_files.h"
#include "render/cover_page.h"
#include "render/month_page.h"
#include "render/page_title.h"
#include "render/semester_page.h"

namespace orsalimbra::render::testing {

namespace {

std::chrono::year_month_day First(int year, unsigned month) {
  return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{month},
                                     std::chrono::day{1}};
}

// A job's context: the title and moon look a user might choose.
PageContext JobContext(Surface& surface, const SampleCalendar& sample,
                       const MoonPhaseSource& phases, int layout) {
  PageContext ctx(surface, sample.year);
  ctx.metrics = MeasurePage(surface);
  ctx.titleLook = {Rgb(0, 70, 160), Rgb(0, 35, 80), "Liberation Serif", true, false, true};
  ctx.moonLook = MoonLookFor(1);
  ctx.LayoutType = layout;
  ctx.CoverStyle = kCoverTitleTop;
  ctx.ProgramFolder = sample.folder.toStdString();
  if (phases) ctx.moonPhases = phases;
  surface.FontName = kBaseFontName;
  surface.FontSize = 8;
  surface.FontBold = false;
  surface.FontItalic = false;
  surface.ForeColor = ctx.colours.WeekdayColour;
  return ctx;
}

void MonthPages(Surface& surface, const SampleCalendar& sample, const MoonPhaseSource& phases,
                int layout, unsigned month, int monthsPerPage) {
  PageContext ctx = JobContext(surface, sample, phases, layout);
  ctx.NoMonthPhotos = monthsPerPage - 1;
  for (int i = 0; i < monthsPerPage; ++i) {
    ctx.MonthStart = First(2024, month + static_cast<unsigned>(i));
    PrintMonthPage(ctx, i == 0 ? 0 : std::round(surface.ScaleHeight() * 0.45));
  }
}

}  // namespace

SampleCalendar::SampleCalendar(const QString& folder) : folder(folder) {
  year.CalendarYear = 2024;
  year.MonthStart = First(2024, 1);
  year.MonthDays = core::MonthLengthsOf(2024);
  year.PageName = {"Copertina", "Gennaio", "Febbraio",  "Marzo",   "Aprile",   "Maggio",  "Giugno",
                   "Luglio",    "Agosto",  "Settembre", "Ottobre", "Novembre", "Dicembre"};
  year.DayNames = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
  year.CurrentTitle = "Almanacco";
  const std::pair<const char*, const char*> holidays[] = {
      {"01/01/2024", "Capodanno"},      {"06/01/2024", "Epifania"},
      {"06/01/2024", "(Befana)"},       {"14/02/2024", "(San Valentino)"},
      {"19/03/2024", "(San Giuseppe)"}, {"31/03/2024", "Pasqua"},
      {"01/04/2024", "Pasquetta"},      {"25/04/2024", "Liberazione"},
      {"25/04/2024", "(San Marco)"},    {"08/03/2024", "(Festa della donna)"},
      {"08/03/2024", "(Mimosa)"},
  };
  for (const auto& [date, name] : holidays) {
    year.HolidayDates.push_back(date);
    year.HolidayNames.push_back(name);
  }
  year.HolidayCount = static_cast<int>(year.HolidayDates.size());

  const QDir dir(folder);
  const QString april = dir.filePath("aprile.jpg");
  const QString march = dir.filePath("marzo.jpg");
  const QString cover = dir.filePath("copertina.jpg");
  ready = WriteFile(april, Encode(Noise(1200, 800, 4), "JPG")) &&
          WriteFile(march, Encode(Quadrants(600, 900), "JPG")) &&
          WriteFile(cover, Encode(Noise(900, 1300, 7), "JPG")) &&
          WriteFile(dir.filePath("Sfondo.jpg"), Encode(Quadrants(800, 400), "JPG"));
  year.PhotoPaths[0] = cover.toStdString();
  year.PhotoPaths[3] = march.toStdString();
  year.PhotoPaths[4] = april.toStdString();
  year.PhotoNotes[0] = "Buon anno a tutti\\dalla famiglia Orsalimbra";
  year.PhotoNotes[3] = "Marzo pazzerello";
  year.PhotoNotes[4] = "Primavera sul lago";
  year.HasCoverPhoto = true;
  year.NoMonthPhotos = 0;
}

void DrawSamplePages(Surface& surface, const SampleCalendar& sample,
                     const MoonPhaseSource& phases) {
  {
    PageContext ctx = JobContext(surface, sample, phases, core::kLayoutSemester);
    SelectBackgrounds(ctx);
    ctx.CurrentBackground = ctx.FirstHalfBackground;
    ctx.MonthStart = First(2023, 12);
    PrintSemesterPage(ctx);
  }
  surface.NewPage();
  MonthPages(surface, sample, phases, core::kLayoutWeekly, 4, 1);
  surface.NewPage();
  MonthPages(surface, sample, phases, core::kLayoutWeekly, 1, 2);
  surface.NewPage();
  MonthPages(surface, sample, phases, core::kLayoutDaily, 3, 1);
  surface.NewPage();
  MonthPages(surface, sample, phases, core::kLayoutDaily, 1, 2);
  surface.NewPage();
  {
    PageContext ctx = JobContext(surface, sample, phases, core::kLayoutWeekly);
    PrintCover(ctx);
    surface.NewPage();
    PrintBackCover(ctx);
  }
}

}  // namespace orsalimbra::render::testing

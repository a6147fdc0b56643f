#include "sample_calendar.h"

#include <QDir>

#include "picture_files.h"
#include "render/cover_page.h"
#include "render/month_page.h"
#include "render/page_state.h"
#include "render/page_title.h"
#include "render/semester_page.h"

namespace orsalimbra::render::testing {

namespace {

std::chrono::year_month_day First(int year, unsigned month) {
  return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{month},
                                     std::chrono::day{1}};
}

// A job's inputs and state: the title and moon look a user might choose.
struct Job {
  Job(Surface& surface, const SampleCalendar& sample, const MoonPhaseSource& phases,
      core::LayoutCode layout, bool noMonthPhotos = false)
      : year(sample.year) {
    year.NoMonthPhotos = noMonthPhotos;
    choices.metrics = MeasurePage(surface);
    choices.titleLook = {Rgb(0, 70, 160), Rgb(0, 35, 80), "Liberation Serif", true, false, true};
    choices.moonLook = MoonLookFor(MoonCode::OchreYellowQuarters);
    choices.LayoutType = layout;
    choices.CoverStyle = CoverCode::TitleTop;
    choices.programFolder = sample.folder.toStdString();
    if (phases) choices.moonPhases = phases;
    st = PageState(in);
    surface.FontName = kBaseFontName;
    surface.FontSize = 8;
    surface.FontBold = false;
    surface.FontItalic = false;
    surface.ForeColor = choices.colours.WeekdayColour;
  }
  core::YearModel year;
  PrintChoices choices;
  PageInputs in{year, choices};
  PageState st{in};
};

void MonthPages(Surface& surface, const SampleCalendar& sample, const MoonPhaseSource& phases,
                core::LayoutCode layout, unsigned month, int monthsPerPage) {
  Job job(surface, sample, phases, layout, monthsPerPage == 2);
  for (int i = 0; i < monthsPerPage; ++i) {
    job.st.MonthStart = First(2024, month + static_cast<unsigned>(i));
    PrintMonthPage(surface, job.in, job.st, i == 0 ? 0 : std::round(surface.ScaleHeight() * 0.45));
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
    Job job(surface, sample, phases, core::LayoutCode::Semester);
    SelectBackgrounds(job.in, job.st);
    job.st.CurrentBackground = job.st.FirstHalfBackground;
    job.st.MonthStart = First(2023, 12);
    PrintSemesterPage(surface, job.in, job.st);
  }
  surface.NewPage();
  MonthPages(surface, sample, phases, core::LayoutCode::Weekly, 4, 1);
  surface.NewPage();
  MonthPages(surface, sample, phases, core::LayoutCode::Weekly, 1, 2);
  surface.NewPage();
  MonthPages(surface, sample, phases, core::LayoutCode::Daily, 3, 1);
  surface.NewPage();
  MonthPages(surface, sample, phases, core::LayoutCode::Daily, 1, 2);
  surface.NewPage();
  {
    Job job(surface, sample, phases, core::LayoutCode::Weekly);
    PrintCover(surface, job.in, job.st);
    surface.NewPage();
    PrintBackCover(surface, job.in);
  }
}

}  // namespace orsalimbra::render::testing

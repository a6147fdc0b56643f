#include "page_fixture.h"

#include <gtest/gtest.h>

namespace orsalimbra::render::testing {

PageFixture::PageFixture(double width, double height) : surface(width, height) {
  year.CalendarYear = 2024;
  year.PageName = {"Copertina", "Gennaio", "Febbraio",  "Marzo",   "Aprile",   "Maggio",  "Giugno",
                   "Luglio",    "Agosto",  "Settembre", "Ottobre", "Novembre", "Dicembre"};
  year.DayNames = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
  year.CurrentTitle = "Almanacco";
  choices.metrics = MeasurePage(surface);
  choices.fileExists = [this](const std::string& path) { return files.count(path) != 0; };
  choices.moonPhases = [this](int, int, bool, int) { return phases; };
  st = PageState(in);
}

Op PageFixture::OnlyText(const std::string& text) const {
  const std::vector<Op> ops = TextOps(text);
  EXPECT_EQ(ops.size(), 1u) << "text \"" << text << "\"";
  return ops.empty() ? Op{} : ops.front();
}

}  // namespace orsalimbra::render::testing

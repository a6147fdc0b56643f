// The user's own dates on the pages: after the holiday texts of their day,
// in their own colour, never making the day red, in every layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_fixture.h"
#include "render/month_page.h"
#include "render/personal_texts.h"

namespace orsalimbra::render::testing {
namespace {

constexpr Colour kOwnColour = Rgb(10, 20, 130);

struct PersonalFixture : PageFixture {
  explicit PersonalFixture(core::LayoutCode layout) {
    choices.LayoutType = layout;
    choices.colours.PersonalDateColour = kOwnColour;
    year.NoMonthPhotos = 1;
    st.MonthStart = Date(2024, 4, 1);
    if (layout == core::LayoutCode::Semester) st.GridLeft = 360;
  }
  void AddDate(unsigned day, const std::string& text, unsigned month = 4) {
    year.PersonalDates.push_back({Date(2024, month, day), text, "f.ics"});
  }
  // The drawn texts of `colour`, in order.
  std::vector<std::string> TextsIn(Colour colour) const {
    std::vector<std::string> out;
    for (const Op& op : surface.opsOf(Kind::Text)) {
      if (op.colour == colour && op.fontSize < 12) out.push_back(op.text);
    }
    return out;
  }
};

const core::LayoutCode kLayouts[] = {core::LayoutCode::Semester, core::LayoutCode::Weekly,
                                     core::LayoutCode::Daily};

TEST(PersonalTexts, FollowTheHolidayTextsInTheirOwnColourWithoutMakingTheDayRed) {
  struct Case {
    const char* name;
    std::vector<std::string> holidays;  // on 10 April, a Wednesday
    std::vector<std::string> personal;  // on 10 April
    // The personal texts as drawn in every layout but the daily list, which
    // begins a day without holidays with a blank.
    std::vector<std::string> drawn;
    Colour dayColour;
  };
  const Case cases[] = {
      {"alone", {}, {"Marco"}, {"Marco"}, kBlack},
      {"two on a day, joined", {}, {"Marco", "Ada"}, {"Marco", " - Ada"}, kBlack},
      {"after a holiday", {"Festa"}, {"Marco"}, {" - Marco"}, kRed},
      {"after a remark", {"(Nota)"}, {"Marco"}, {" - Marco"}, kBlack},
      {"none", {"Festa"}, {}, {}, kRed},
  };
  for (const core::LayoutCode layout : kLayouts) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.name << ", layout " << static_cast<int>(layout));
      PersonalFixture f(layout);
      for (const std::string& h : c.holidays) f.AddHoliday("10/04/2024", h);
      for (const std::string& p : c.personal) f.AddDate(10, p);
      f.AddDate(9, "Altro", 5);  // another month: not on this page
      PrintMonthPage(f.surface, f.in, f.st, 0);
      EXPECT_EQ(f.OnlyText("10").colour, c.dayColour);
      std::vector<std::string> expected = c.drawn;
      if (layout == core::LayoutCode::Daily && c.holidays.empty() && !expected.empty()) {
        expected.front() = " " + expected.front();
      }
      EXPECT_EQ(f.TextsIn(kOwnColour), expected);
      if (!c.holidays.empty()) {
        // The holiday text comes first, in the colour it always had.
        const std::string lead = layout == core::LayoutCode::Daily ? " " : "";
        const Op holiday = f.OnlyText(lead + c.holidays.front());
        EXPECT_EQ(holiday.colour, kBlack);
        for (const Op& op : f.surface.opsOf(Kind::Text)) {
          if (op.colour == kOwnColour) {
            EXPECT_EQ(op.y, holiday.y) << op.text;
          }
        }
      }
    }
  }
}

TEST(PersonalTexts, ADayShowsSixAtMostAndCountsTheRest) {
  struct Case {
    int dates;
    std::vector<std::string> appended;
  };
  const Case cases[] = {
      {0, {}},
      {1, {"d1"}},
      {6, {"d1", "d2", "d3", "d4", "d5", "d6"}},
      {7, {"d1", "d2", "d3", "d4", "d5", "+2"}},
      {40, {"d1", "d2", "d3", "d4", "d5", "+35"}},
  };
  for (const Case& c : cases) {
    PersonalFixture f(core::LayoutCode::Weekly);
    for (int i = 1; i <= c.dates; ++i) f.AddDate(3, "d" + std::to_string(i));
    std::vector<TextItem> items;
    AppendPersonalTexts(items, f.in, Date(2024, 4, 3));
    std::vector<std::string> texts;
    for (const TextItem& item : items) {
      texts.push_back(item.text);
      EXPECT_EQ(item.colour, kOwnColour);
      EXPECT_FALSE(item.newLine);
    }
    EXPECT_EQ(texts, c.appended) << c.dates;
  }
}

TEST(PersonalTexts, TheLeadGoesOnlyBeforeTheFirstTextOfTheDay) {
  PersonalFixture f(core::LayoutCode::Daily);
  f.AddDate(3, "A");
  f.AddDate(3, "B");
  std::vector<TextItem> empty;
  AppendPersonalTexts(empty, f.in, Date(2024, 4, 3), " ");
  ASSERT_EQ(empty.size(), 2u);
  EXPECT_EQ(empty[0].text, " A");
  EXPECT_EQ(empty[1].text, "B");
  std::vector<TextItem> after{{" Festa", kBlack}};
  AppendPersonalTexts(after, f.in, Date(2024, 4, 3), " ");
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[1].text, "A");
}

}  // namespace
}  // namespace orsalimbra::render::testing

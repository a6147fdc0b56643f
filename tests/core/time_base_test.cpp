#include "core/time_base.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace orsalimbra::core;

TEST(UtcOffsetFromBias, RoundsToTheNearestHourHalvesToEven) {
  struct Case {
    int bias, hours;
  };
  const Case cases[] = {
      {0, 0},     {-60, 1},   {300, -5},  {-330, 6}, {210, -4},  {-345, 6}, {-30, 0},
      {30, 0},    {-90, 2},   {90, -2},   {-150, 2}, {150, -2},  {-29, 0},  {-31, 1},
      {-840, 14}, {720, -12}, {-570, 10}, {-525, 9}, {-765, 13}, {60, -1},  {-45, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(UtcOffsetFromBias(c.bias), c.hours) << "bias " << c.bias;
  // No overflow at the ends of the range.
  EXPECT_EQ(UtcOffsetFromBias(std::numeric_limits<int>::min()), 35791394);
  EXPECT_EQ(UtcOffsetFromBias(std::numeric_limits<int>::max()), -35791394);
}

namespace {

// Records what the window would see.
struct FakeWindow {
  std::string caption = "GMT";
  std::vector<std::string> stored;
  std::vector<bool> busyWhileMessagesRun;
  std::function<void()> pendingMessage;  // delivered while messages run
  TimeBaseState state;

  FakeWindow()
      : state(TimeBaseState::Hooks{[this](const std::string& text) { caption = text; },
                                   [this] {
                                     busyWhileMessagesRun.push_back(state.TimeBaseBusy());
                                     if (auto message = std::exchange(pendingMessage, nullptr))
                                       message();
                                   },
                                   [this](const std::string& value) { stored.push_back(value); }}) {
  }
};

}  // namespace

TEST(TimeBaseState, ShowTimeBaseSetsTheCaptionThenLetsMessagesRunWhileBusy) {
  FakeWindow window;
  window.state.SetUseLocalTime(true);
  window.state.ShowTimeBase();
  EXPECT_EQ(window.caption, "LOC");
  EXPECT_EQ(window.busyWhileMessagesRun, std::vector<bool>{true});
  EXPECT_FALSE(window.state.TimeBaseBusy());

  window.state.SetUseLocalTime(false);
  window.state.ShowTimeBase();
  EXPECT_EQ(window.caption, "GMT");
  EXPECT_TRUE(window.stored.empty());  // showing never writes the setting
}

// Clicks handled one after the other each toggle; the stored text always
// matches the caption ("LOC" = "True").
TEST(TimeBaseState, EachClickTogglesStoresAndShows) {
  FakeWindow window;
  window.state.SetUseLocalTime(true);
  window.state.ShowTimeBase();
  for (const char* expected : {"GMT", "LOC", "GMT"}) {
    EXPECT_TRUE(window.state.Click());
    EXPECT_EQ(window.caption, expected);
    EXPECT_EQ(window.stored.back(), window.caption == "LOC" ? "True" : "False");
    EXPECT_EQ(window.state.UseLocalTime(), window.caption == "LOC");
    EXPECT_FALSE(window.state.TimeBaseBusy());
  }
  EXPECT_EQ(window.stored, (std::vector<std::string>{"False", "True", "False"}));
}

// A click (or another ShowTimeBase) let through while messages run is
// dropped, not queued, and leaves caption and setting consistent.
TEST(TimeBaseState, ReentryWhileMessagesRunIsIgnored) {
  FakeWindow window;
  window.state.SetUseLocalTime(true);
  bool nestedClickAccepted = true;
  window.pendingMessage = [&] { nestedClickAccepted = window.state.Click(); };
  EXPECT_TRUE(window.state.Click());
  EXPECT_FALSE(nestedClickAccepted);
  EXPECT_FALSE(window.state.UseLocalTime());
  EXPECT_EQ(window.caption, "GMT");
  EXPECT_EQ(window.stored, std::vector<std::string>{"False"});

  window.pendingMessage = [&] { window.state.ShowTimeBase(); };
  window.state.ShowTimeBase();
  EXPECT_EQ(window.busyWhileMessagesRun.size(), 2u);  // the nested call ran nothing
  EXPECT_TRUE(window.state.Click());                  // and the flag was cleared
}

TEST(TimeBaseState, FailingHookDoesNotLeaveItBusy) {
  TimeBaseState state(
      TimeBaseState::Hooks{nullptr, [] { throw std::runtime_error("window gone"); }, nullptr});
  EXPECT_THROW(state.ShowTimeBase(), std::runtime_error);
  EXPECT_FALSE(state.TimeBaseBusy());
  EXPECT_THROW(state.Click(), std::runtime_error);
  EXPECT_FALSE(state.UseLocalTime());
  EXPECT_FALSE(state.TimeBaseBusy());
}

TEST(TimeBaseState, WorksWithoutHooks) {
  TimeBaseState state;
  EXPECT_TRUE(state.UseLocalTime());  // the default of the setting
  EXPECT_EQ(state.Caption(), "LOC");
  EXPECT_TRUE(state.Click());
  EXPECT_EQ(state.Caption(), "GMT");
  EXPECT_EQ(TimeBaseState::SettingText(true), "True");
  EXPECT_EQ(TimeBaseState::SettingText(false), "False");
}

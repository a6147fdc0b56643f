// The time base of the moon phase times: GMT, or the local standard time of
// the computer's time zone (daylight saving time is never applied).
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace orsalimbra::core {

// Settings key of the choice; its value is "True" (local time) or "False".
inline constexpr const char* kLocalTimeKey = "LocalTime";

// Whole hours to add to GMT for local standard time, from a time-zone bias in
// minutes (GMT = local time + bias): bias / -60 rounded to the nearest
// integer, halves to the even neighbour (bias -330, India, gives 6; bias
// 210, Newfoundland, gives -4). Defined for every int.
int UtcOffsetFromBias(int biasMinutes);

// The choice of time base and the toggle label that shows it, without the
// widget: the window supplies hooks to set the label's caption, to let
// pending window messages run and to store the setting.
class TimeBaseState {
 public:
  struct Hooks {
    std::function<void(const std::string& caption)> setCaption;
    std::function<void()> letMessagesRun;
    // Receives the text to store under kLocalTimeKey.
    std::function<void(const std::string& value)> storeLocalTime;
  };

  TimeBaseState() = default;
  explicit TimeBaseState(Hooks hooks) : hooks_(std::move(hooks)) {}

  // Fixed at start-up; a later change of the computer's zone is not seen.
  int UtcOffsetHours() const { return utcOffsetHours_; }
  void SetUtcOffsetHours(int hours) { utcOffsetHours_ = hours; }

  // True: local standard time; false: GMT. Read from the settings at start-up.
  bool UseLocalTime() const { return useLocalTime_; }
  void SetUseLocalTime(bool useLocalTime) { useLocalTime_ = useLocalTime; }

  // True while ShowTimeBase runs; clicks are ignored meanwhile.
  bool TimeBaseBusy() const { return busy_; }

  // "LOC" for local time, "GMT" otherwise.
  std::string Caption() const;
  // The stored text of a choice: "True" or "False".
  static std::string SettingText(bool useLocalTime);

  // Brings the caption in line with the choice, then lets pending messages
  // run. Does nothing while it is already running (a message let through
  // cannot start it again).
  void ShowTimeBase();

  // A click on the label: toggles the choice, stores it and shows it.
  // Ignored (returns false) while ShowTimeBase runs.
  bool Click();

 private:
  Hooks hooks_;
  int utcOffsetHours_ = 0;
  bool useLocalTime_ = true;
  bool busy_ = false;
};

}  // namespace orsalimbra::core

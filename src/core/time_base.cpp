#include "core/time_base.h"

#include <cstdint>

namespace orsalimbra::core {

int UtcOffsetFromBias(int biasMinutes) {
  // Exact integer rounding: no dependence on the floating-point rounding mode,
  // and no overflow for the most negative bias.
  const std::int64_t minutes = -static_cast<std::int64_t>(biasMinutes);
  std::int64_t hours = minutes / 60;
  std::int64_t rest = minutes % 60;
  if (rest < 0) {  // floor division: rest in 0..59
    hours -= 1;
    rest += 60;
  }
  if (rest > 30 || (rest == 30 && hours % 2 != 0)) hours += 1;
  return static_cast<int>(hours);
}

std::string TimeBaseState::Caption() const { return useLocalTime_ ? "LOC" : "GMT"; }

std::string TimeBaseState::SettingText(bool useLocalTime) {
  return useLocalTime ? "True" : "False";
}

void TimeBaseState::ShowTimeBase() {
  if (busy_) return;
  busy_ = true;
  // Cleared however the hooks leave, so that a failing hook cannot leave the
  // label deaf to clicks for the rest of the run.
  struct ClearBusy {
    bool& busy;
    ~ClearBusy() { busy = false; }
  } clearBusy{busy_};
  if (hooks_.setCaption) hooks_.setCaption(Caption());
  if (hooks_.letMessagesRun) hooks_.letMessagesRun();
}

bool TimeBaseState::Click() {
  if (busy_) return false;
  useLocalTime_ = !useLocalTime_;
  if (hooks_.storeLocalTime) hooks_.storeLocalTime(SettingText(useLocalTime_));
  ShowTimeBase();
  return true;
}

}  // namespace orsalimbra::core

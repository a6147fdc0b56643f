#include "session/year_entry.h"

#include <algorithm>

#include "session/settings_codec.h"

namespace orsalimbra::session {

int ProposedYear(QDate today) { return today.month() > 6 ? today.year() + 1 : today.year(); }

std::optional<int> SpinStep(const QString& text, int lastSpinValue, int delta) {
  const std::optional<std::int64_t> shown = ParseInt64(text);
  const std::int64_t from = shown.value_or(lastSpinValue);
  const std::int64_t to = std::clamp<std::int64_t>(from + delta, kFirstSpinYear, kLastSpinYear);
  // A box already showing this year in this form is not changed.
  if (shown && to == *shown && text.trimmed() == QString::number(to)) return std::nullopt;
  return static_cast<int>(to);
}

}  // namespace orsalimbra::session

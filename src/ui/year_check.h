// What the main window's year box accepts: the years the calendar is
// computed for, 100 to 9999, written with digits (blanks around them are
// dropped). The same rule builds the year model, so a year the box accepts is
// always one the model and the print jobs take.
#pragma once

#include <QString>
#include <optional>

namespace orsalimbra::ui {

inline constexpr int kFirstTypedYear = 100;
inline constexpr int kLastTypedYear = 9999;

struct YearVerdict {
  std::optional<int> year;  // the typed year, when it is one
  QString reason;           // otherwise, in Italian: why, and what stays
};

// The verdict on the year box text `text`; `yearInForce` is the year that
// stays when the text is refused.
YearVerdict CheckTypedYear(const QString& text, int yearInForce);

// The year box's tool tip while it holds a good year.
QString YearBoxToolTip();

}  // namespace orsalimbra::ui

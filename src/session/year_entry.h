// The year box of the main window: the year proposed at start-up and the
// steps of its spin buttons. The box itself is free text; the year model
// decides what the text means.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace orsalimbra::session {

inline constexpr int kFirstSpinYear = 1900;
inline constexpr int kLastSpinYear = 2999;

// The year a start on `today` proposes: this year until the end of June, the
// next one from 1 July on (a calendar is made for the year ahead).
int ProposedYear(QDate today);

// One step of the spin buttons (delta +1 or -1) from the year box `text`.
// The step starts from the year the box shows, or from `lastSpinValue`
// when the box holds no whole number, and stays within 1900..2999. Returns
// the new year, or nothing when the step leaves the box as it is (at either
// end of the range).
std::optional<int> SpinStep(const QString& text, int lastSpinValue, int delta);

}  // namespace orsalimbra::session

// Periodic terms of the Moon's principal phases (Meeus, "Astronomical
// Formulae for Calculators", chapter on the phases of the Moon): the
// corrections, in days, that turn a mean phase into a true one.
#pragma once

namespace orsalimbra::core {

// `T` is the time in Julian centuries from 1900; `M` (the Sun's mean
// anomaly), `Mp` (the Moon's mean anomaly, M') and `F` (the Moon's argument
// of latitude) are in radians.

// The correction of a new or a full moon.
double SyzygyCorrection(double T, double M, double Mp, double F);

// The correction of a first (`firstQuarter`) or a last quarter.
double QuarterCorrection(double T, double M, double Mp, double F, bool firstQuarter);

}  // namespace orsalimbra::core

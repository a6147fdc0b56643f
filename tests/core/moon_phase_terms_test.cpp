#include "core/moon_phase_terms.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orsalimbra::core;

namespace {

// Meeus's periodic terms written out one sine per term, as printed.
double DirectSyzygy(double T, double M, double Mp, double F) {
  using std::sin;
  return (0.1734 - 0.000393 * T) * sin(M) + 0.0021 * sin(2 * M) - 0.4068 * sin(Mp) +
         0.0161 * sin(2 * Mp) - 0.0004 * sin(3 * Mp) + 0.0104 * sin(2 * F) - 0.0051 * sin(M + Mp) -
         0.0074 * sin(M - Mp) + 0.0004 * sin(2 * F + M) - 0.0004 * sin(2 * F - M) -
         0.0006 * sin(2 * F + Mp) + 0.0010 * sin(2 * F - Mp) + 0.0005 * sin(M + 2 * Mp);
}

double DirectQuarter(double T, double M, double Mp, double F, bool first) {
  using std::cos;
  using std::sin;
  const double sum = (0.1721 - 0.0004 * T) * sin(M) + 0.0021 * sin(2 * M) - 0.6280 * sin(Mp) +
                     0.0089 * sin(2 * Mp) - 0.0004 * sin(3 * Mp) + 0.0079 * sin(2 * F) -
                     0.0119 * sin(M + Mp) - 0.0047 * sin(M - Mp) + 0.0003 * sin(2 * F + M) -
                     0.0004 * sin(2 * F - M) - 0.0006 * sin(2 * F + Mp) + 0.0021 * sin(2 * F - Mp) +
                     0.0003 * sin(M + 2 * Mp) + 0.0004 * sin(M - 2 * Mp) - 0.0003 * sin(2 * M + Mp);
  const double adjustment = 0.0028 - 0.0004 * cos(M) + 0.0003 * cos(Mp);
  return sum + (first ? adjustment : -adjustment);
}

}  // namespace

// The sines of sums are built by angle addition; every term must still match
// its printed form (a wrong sign or partner in any term shows up here as an
// error of at least 1e-5 days somewhere on the grid). The agreement needed
// is far below the 1e-11-day resolution of the phase day numbers.
TEST(MoonPhaseTerms, MatchTheTermsOneSineEach) {
  constexpr double kTolerance = 1e-15;
  constexpr int kSteps = 23;  // a prime number of steps a turn, offset below: no angle is special
  const double step = 2 * std::acos(-1.0) / kSteps;
  int mismatches = 0;
  for (double T : {-19.0, 0.0, 1.0, 5.0}) {
    for (int a = 0; a < kSteps; ++a) {
      for (int b = 0; b < kSteps; ++b) {
        for (int c = 0; c < kSteps && mismatches < 5; ++c) {
          const double M = a * step + 0.1, Mp = b * step + 0.2, F = c * step + 0.3;
          const double syzygy = SyzygyCorrection(T, M, Mp, F);
          const double first = QuarterCorrection(T, M, Mp, F, true);
          const double last = QuarterCorrection(T, M, Mp, F, false);
          if (std::abs(syzygy - DirectSyzygy(T, M, Mp, F)) > kTolerance ||
              std::abs(first - DirectQuarter(T, M, Mp, F, true)) > kTolerance ||
              std::abs(last - DirectQuarter(T, M, Mp, F, false)) > kTolerance) {
            ADD_FAILURE() << "T " << T << " M " << M << " M' " << Mp << " F " << F;
            ++mismatches;
          }
        }
      }
    }
  }
}

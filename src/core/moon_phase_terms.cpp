// The terms are sines of sums of M, M' and F. Rather than one sine each, they
// are built from the sines and cosines of M, M' and F by the angle-addition
// formulas: three sincos instead of fifteen sines. The two ways differ by a
// few 1e-17 days, far below the resolution of the reduced day number they
// are added to (about 1e-11 days), so the instants come out the same.
#include "core/moon_phase_terms.h"

#include <cmath>

namespace orsalimbra::core {

namespace {

struct Sines {
  double sM, cM;      // M
  double s2M, c2M;    // 2M
  double sMp, cMp;    // M'
  double s2Mp, c2Mp;  // 2M'
  double s3Mp;        // 3M'
  double s2F, c2F;    // 2F

  Sines(double M, double Mp, double F)
      : sM(std::sin(M)), cM(std::cos(M)), sMp(std::sin(Mp)), cMp(std::cos(Mp)) {
    const double sF = std::sin(F), cF = std::cos(F);
    s2M = 2 * sM * cM;
    c2M = cM * cM - sM * sM;
    s2Mp = 2 * sMp * cMp;
    c2Mp = cMp * cMp - sMp * sMp;
    s3Mp = s2Mp * cMp + c2Mp * sMp;
    s2F = 2 * sF * cF;
    c2F = cF * cF - sF * sF;
  }

  // sin(a + b) and sin(a - b) from the sines and cosines of a and b.
  static double SinSum(double sa, double ca, double sb, double cb) { return sa * cb + ca * sb; }
  static double SinDifference(double sa, double ca, double sb, double cb) {
    return sa * cb - ca * sb;
  }
};

}  // namespace

double SyzygyCorrection(double T, double M, double Mp, double F) {
  const Sines s(M, Mp, F);
  return (0.1734 - 0.000393 * T) * s.sM + 0.0021 * s.s2M - 0.4068 * s.sMp + 0.0161 * s.s2Mp -
         0.0004 * s.s3Mp + 0.0104 * s.s2F - 0.0051 * Sines::SinSum(s.sM, s.cM, s.sMp, s.cMp) -
         0.0074 * Sines::SinDifference(s.sM, s.cM, s.sMp, s.cMp) +
         0.0004 * Sines::SinSum(s.s2F, s.c2F, s.sM, s.cM) -
         0.0004 * Sines::SinDifference(s.s2F, s.c2F, s.sM, s.cM) -
         0.0006 * Sines::SinSum(s.s2F, s.c2F, s.sMp, s.cMp) +
         0.0010 * Sines::SinDifference(s.s2F, s.c2F, s.sMp, s.cMp) +
         0.0005 * Sines::SinSum(s.sM, s.cM, s.s2Mp, s.c2Mp);
}

double QuarterCorrection(double T, double M, double Mp, double F, bool firstQuarter) {
  const Sines s(M, Mp, F);
  double sum = (0.1721 - 0.0004 * T) * s.sM + 0.0021 * s.s2M - 0.6280 * s.sMp + 0.0089 * s.s2Mp -
               0.0004 * s.s3Mp + 0.0079 * s.s2F - 0.0119 * Sines::SinSum(s.sM, s.cM, s.sMp, s.cMp) -
               0.0047 * Sines::SinDifference(s.sM, s.cM, s.sMp, s.cMp) +
               0.0003 * Sines::SinSum(s.s2F, s.c2F, s.sM, s.cM) -
               0.0004 * Sines::SinDifference(s.s2F, s.c2F, s.sM, s.cM) -
               0.0006 * Sines::SinSum(s.s2F, s.c2F, s.sMp, s.cMp) +
               0.0021 * Sines::SinDifference(s.s2F, s.c2F, s.sMp, s.cMp) +
               0.0003 * Sines::SinSum(s.sM, s.cM, s.s2Mp, s.c2Mp) +
               0.0004 * Sines::SinDifference(s.sM, s.cM, s.s2Mp, s.c2Mp) -
               0.0003 * Sines::SinSum(s.s2M, s.c2M, s.sMp, s.cMp);
  if (firstQuarter) {
    sum += 0.0028 - 0.0004 * s.cM + 0.0003 * s.cMp;
  } else {
    sum += -0.0028 + 0.0004 * s.cM - 0.0003 * s.cMp;
  }
  return sum;
}

}  // namespace orsalimbra::core

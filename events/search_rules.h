// The trisection shared by the phase and the term search. Private to events/.
#pragma once

#include <cmath>

#include "events/day_search.h"

namespace search_detail {

inline constexpr int kMaxPasses = 31;
inline constexpr double kConvergence = 0.01;  // degrees

// Lunar phases: the elongation, a multiple of 90 within 30 degrees of the
// day's end.
struct PhaseRule {
  static constexpr int kStep = 90;
  static double angle(double t) { return phase_angle_at(t); }
  static bool outside_window(double target, double, double a1) { return std::fabs(target - a1) > 30.0; }
};

// Solar terms: the apparent longitude, a multiple of 15 within 10 degrees of
// the day's start.
struct TermRule {
  static constexpr int kStep = 15;
  static double angle(double t) { return term_angle_at(t); }
  static bool outside_window(double target, double a0, double) { return std::fabs(target - a0) > 10.0; }
};

// Searches t0..t1 given the angles a0, a1 already computed at its ends. The
// angle is a pure function of the time, so an end that has not moved keeps
// the value a fresh evaluation would give; only the moved end is recomputed.
template <class Rule>
DaySearch search(double t0, double t1, double a0, double a1) {
  double target = 0.0;
  for (int pass = 1; pass <= kMaxPasses; ++pass) {
    // trunc(a1) / step in integer arithmetic: both truncate toward zero.
    target = static_cast<double>(Rule::kStep * (static_cast<int>(a1) / Rule::kStep));
    if (Rule::outside_window(target, a0, a1)) return {0.0, target, pass};
    if (!(a0 < target && target < a1)) return {0.0, target, pass};
    if (std::fabs(a0 - a1) < kConvergence) return {t0, target, pass};
    if (std::fabs(a0 - target) < std::fabs(a1 - target)) {
      t1 = (t0 + 2.0 * t1) / 3.0;
      a1 = Rule::angle(t1);
    } else {
      t0 = (2.0 * t0 + t1) / 3.0;
      a0 = Rule::angle(t0);
    }
  }
  return {0.0, target, kMaxPasses};
}

}  // namespace search_detail

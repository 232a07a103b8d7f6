#include "events/day_search.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/moon.h"
#include "engine/sun.h"
#include "events/search_rules.h"

namespace {

// The Sun's geometric longitude in the global Sun, corrected for aberration
// and for nutation in longitude.
double apparent_solar_longitude(double t) {
  const double centuries = (t - 2451545.0) / 36525.0;
  const double nutation = -0.00478 * std::sin(radians(125.04 - 1934.136 * centuries)) +
                          0.00037 * std::sin(radians(200.93 + 72001.539 * centuries));
  return (Sun.lam - 0.005693 / Sun.dist) + nutation;
}

// Brings the angle into (upper - 360, upper]: one turn up if negative, then
// one turn down above `upper`.
double wrap(double a, double upper) {
  if (a < 0) a += 360.0;
  if (a > upper) a -= 360.0;
  return a;
}

}  // namespace

double phase_angle_at(double t) {
  Moon_Position(t, &Moon, 0, latitude0, longitude0);
  Sun_Position(t, &Sun);
  return wrap(Moon.lam - apparent_solar_longitude(t), 340.0);
}

double term_angle_at(double t) {
  Sun_Position(t, &Sun);
  return wrap(apparent_solar_longitude(t), 350.0);
}

DaySearch search_phase_day(double t0, double t1) {
  using search_detail::PhaseRule;
  const double a0 = PhaseRule::angle(t0);
  return search_detail::search<PhaseRule>(t0, t1, a0, PhaseRule::angle(t1));
}

DaySearch search_term_day(double t0, double t1) {
  using search_detail::TermRule;
  const double a0 = TermRule::angle(t0);
  return search_detail::search<TermRule>(t0, t1, a0, TermRule::angle(t1));
}

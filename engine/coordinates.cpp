#include "engine/coordinates.h"

#include <cmath>

#include "engine/angles.h"

double obliquity(double jd) {
  // Counted from 1900-01-01 12:00 UT (2415021), one day after the sidereal epoch.
  const double t = (jd - 2415021.0) / 36525.0;
  return 23.4523 - 0.013 * t - 1.6388e-7 * t * t;
}

double local_sidereal_time(double jd, double lon) {
  const double d = jd - 2415020.0;
  const double s = (24.0 * 1.0027379092558308 * d + 18.6461 + 3.24e-14 * d * d + lon / 15.0) / 24.0;
  double theta = (s - std::floor(s)) * 24.0;
  if (theta < 0) theta += 24.0;
  return theta;
}

void LamToRa(double jd, double lam, double bet, double* ra, double* dec) {
  const double eps = radians(obliquity(jd));
  const double l = radians(lam);
  const double b = radians(bet);
  double alpha = degrees(std::atan2(std::sin(l) * std::cos(b) * std::cos(eps) - std::sin(b) * std::sin(eps),
                                    std::cos(l) * std::cos(b)));
  if (alpha < 0) alpha += 360.0;
  // A tiny negative angle plus 360 can round to 360 itself.
  if (alpha >= 360.0) alpha -= 360.0;
  *ra = alpha;
  *dec = degrees(std::asin(std::sin(b) * std::cos(eps) + std::cos(b) * std::sin(eps) * std::sin(l)));
}

void Az_El(double jd, double ra, double dec, double lat, double lon, double* az, double* el) {
  // Hour angle; only its sine and cosine are used, so it is left unreduced.
  const double h = radians(15.0 * local_sidereal_time(jd, lon) - ra);
  const double phi = radians(lat);
  const double delta = radians(dec);
  *az = degrees(std::atan2(std::sin(h), std::sin(phi) * std::cos(h) - std::cos(phi) * std::tan(delta)));
  *el = degrees(std::asin(std::sin(delta) * std::sin(phi) + std::cos(delta) * std::cos(phi) * std::cos(h)));
}

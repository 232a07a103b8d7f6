#include "engine/moon.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/coordinates.h"
#include "engine/sun.h"

namespace {

constexpr double kEccentricity = 0.05490897;
constexpr double kEccentricitySquared = 0.0030149949864609;
constexpr double kInclination = 5.1444433;  // degrees
constexpr double kSemiMajorAxis = 60.2682;  // Earth radii
constexpr double kMoonRadius = 0.2725;      // Earth radii
constexpr double kSynodicMonth = 29.53;     // days
constexpr double kSurfaceDistanceFactor = 0.99;
constexpr double kKeplerTolerance = 1e-8;

double cubic(double c0, double c1, double c2, double c3, double t) {
  return c0 + c1 * t + c2 * t * t + c3 * t * t * t;
}

// amplitude x sin(argument), the argument a cubic in t, degrees.
double periodic(double amplitude, double c0, double c1, double c2, double c3, double t) {
  return amplitude * std::sin(radians(cubic(c0, c1, c2, c3, t)));
}

// Newton's method on E - e sin E = M; converges in a few steps for the Moon's e.
double eccentric_anomaly(double mean_anomaly) {
  double e = mean_anomaly;
  for (;;) {
    const double f = e - kEccentricity * std::sin(e) - mean_anomaly;
    if (std::fabs(f) <= kKeplerTolerance) return e;
    e -= f / (1.0 - kEccentricity * std::cos(e));
  }
}

// The Moon's elongation east of the Sun, degrees: one correction each way,
// since the Sun's longitude may run past 360.
double elongation(double moon_lam, double sun_lam) {
  double d = moon_lam - sun_lam;
  if (d < 0) d += 360.0;
  if (d > 360.0) d -= 360.0;
  return d;
}

double age_days(double elongation_degrees) { return elongation_degrees / 360.0 * kSynodicMonth; }

// Parallax for an observer on the Earth's surface: shifts lam and bet of `out`
// and writes the topocentric semidiameter, age, phase and horizontal position.
void apply_topocentric(double jd, double r, double lat, double lon, tagPosition* out) {
  const double lam = out->lam;
  const double bet = out->bet;
  const double p = radians(degrees(std::asin(1.0 / r)) / kSurfaceDistanceFactor);
  const double theta = radians(15.0 * local_sidereal_time(jd, lon));
  const double eps = radians(obliquity(jd));
  const double phi = radians(lat);

  // Ecliptic coordinates of the zenith.
  const double lam_z = std::atan2(std::sin(phi) * std::sin(eps) + std::sin(theta) * std::cos(phi) * std::cos(eps),
                                  std::cos(theta) * std::cos(phi));
  const double bet_z = std::asin(std::sin(phi) * std::cos(eps) - std::cos(phi) * std::sin(eps) * std::sin(theta));

  const double dl = lam_z - radians(lam);
  const double d_lam = degrees(std::asin(-std::sin(p) * std::cos(bet_z) * std::sin(dl) / std::cos(radians(bet))));
  const double gamma = std::atan(std::tan(bet_z) / std::cos(dl));
  const double d_bet =
      degrees(std::asin(-std::sin(p) * std::sin(bet_z) * std::sin(gamma - radians(bet)) / std::sin(gamma)));

  const double lam_t = lam + d_lam;  // not reduced
  const double bet_t = bet + d_bet;
  out->lam = lam_t;
  out->bet = bet_t;
  out->semi = degrees(std::asin(kMoonRadius / (kSurfaceDistanceFactor * r)));
  LamToRa(jd, lam_t, bet_t, &out->ra, &out->dec);

  const double d = elongation(lam_t, Sun.lam);
  out->mag = age_days(d);
  out->phase = std::acos(std::cos(radians(d)) * std::cos(radians(bet_t)));
  Az_El(jd, out->ra, out->dec, latitude0, longitude0, &out->az, &out->el);
}

}  // namespace

void Moon_Position(double jd, tagPosition* out, int mode, double lat, double lon) {
  const double t = (jd - 2378496.0) / 36525.0;
  const double mean_lon = reduce_degrees(cubic(335.723436, 481267.887361, 0.00338888, 1.83333e-6, t));
  const double perigee = reduce_degrees(cubic(225.397325, 4069.053805, -0.0102869, -1.22222e-5, t));
  const double node = reduce_degrees(cubic(33.272936, -1934.144694, 0.00208028, 2.08333e-6, t));

  const double anomaly_terms = periodic(1.2408, 1.2949, 413335.4078, -0.0072201, -7.2305e-6, t) +
                               periodic(0.5958, 111.6209, 890534.2514, 0.0069838, 6.9778e-6, t) +
                               periodic(0.1828, 180.40885, 35999.0552, -0.0001988, 0.0, t) +
                               periodic(0.055, 0.88605, 377336.3526, -0.0070213, -7.2305e-6, t) +
                               periodic(0.0431, 111.21205, 854535.1962, 0.0071826, 6.9778e-6, t);
  const double latitude_term = periodic(0.1453, 169.1706, 407332.2103, 0.0053354, 5.3292e-6, t);

  const double m = radians(reduce_degrees(mean_lon + anomaly_terms - perigee));
  const double e_anom = eccentric_anomaly(m);
  double v = degrees(2.0 * std::atan(std::sqrt((1.0 + kEccentricity) / (1.0 - kEccentricity)) *
                                     std::tan(e_anom / 2.0)));
  if (v < 0) v += 360.0;

  // Argument of latitude, then the longitude from the node kept in u's quadrant.
  double u = v + perigee - node;
  if (u > 360.0) u -= 360.0;
  if (u < 0) u += 360.0;
  double d = degrees(std::atan(std::cos(radians(kInclination)) * std::tan(radians(u))));
  if (90.0 < u && u < 270.0) {
    d += 180.0;
  } else if (u >= 270.0) {
    d += 360.0;
  }
  const double lam = reduce_degrees(d + node);
  const double bet =
      degrees(std::atan(std::tan(radians(kInclination)) * std::sin(radians(d)))) + latitude_term;
  LamToRa(jd, lam, bet, &out->ra, &out->dec);

  const double r = kSemiMajorAxis * (1.0 - kEccentricitySquared) / (1.0 + kEccentricity * std::cos(radians(v)));
  out->lam = lam;
  out->bet = bet;
  out->semi = degrees(std::asin(kMoonRadius / r));
  out->node = node;
  out->ecc = kEccentricity;
  out->ecc_anom = e_anom;
  out->dist = r;

  Sun_Position(jd, &Sun);
  out->mag = age_days(elongation(lam, Sun.lam));
  if (mode == 0) return;
  apply_topocentric(jd, r, lat, lon, out);
}

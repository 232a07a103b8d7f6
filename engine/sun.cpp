#include "engine/sun.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/coordinates.h"

namespace {

struct SunOrbit {
  double lam;        // geometric longitude, unreduced
  double radius;     // AU
};

SunOrbit sun_orbit(double jd) {
  const double t = (jd - 2415021.0) / 36525.0;
  const double mean_lon = reduce_degrees(280.6824 + 36000.769325 * t + 0.000722222 * t * t);
  const double perigee =
      reduce_degrees(281.2206 + 1.717697 * t + 0.000483333 * t * t + 2.77777e-6 * t * t * t);
  const double e = 0.0167498 - 0.00004258 * t - 1.37e-7 * t * t;
  const double m = radians(mean_lon - perigee);
  const double centre = 1.91946 * std::sin(m) + 0.0200939 * std::sin(2.0 * m) -
                        0.00478889 * t * std::sin(m) - 0.0000144444 * t * t * std::sin(m);
  // Left unreduced: just after the March equinox it runs on past 360.
  const double lam = mean_lon + centre;
  const double r = 1.00000129 * (1.0 - e * e) / (1.0 + e * std::cos(radians(lam - perigee)));
  return {lam, r};
}

}  // namespace

SunEcliptic sun_ecliptic(double jd) {
  const SunOrbit o = sun_orbit(jd);
  return {o.lam, o.radius};
}

void Sun_Position(double jd, tagPosition* out) {
  const SunOrbit o = sun_orbit(jd);
  out->lam = o.lam;
  out->bet = 0.0;
  out->semi = 0.2666 / o.radius;
  out->x = o.radius * std::cos(radians(o.lam));
  out->y = o.radius * std::sin(radians(o.lam));
  out->z = 0.0;
  out->dist = o.radius;
  LamToRa(jd, o.lam, 0.0, &out->ra, &out->dec);
  Az_El(jd, out->ra, out->dec, latitude0, longitude0, &out->az, &out->el);
}

// The Sun: a low-precision analytic theory (mean elements in Julian centuries
// since 1900, four-term equation of centre, elliptic radius vector).
#pragma once

#include "engine/position.h"

// Geometric ecliptic longitude (degrees, mean equinox of date, not reduced)
// and radius vector (AU) of the Sun at Julian day `jd`.
struct SunEcliptic {
  double lam;
  double dist;
};
SunEcliptic sun_ecliptic(double jd);

// Writes lam, bet, semi, x, y, z, dist, ra, dec, az and el of `out` for
// Julian day `jd`, the horizontal coordinates for latitude0 / longitude0.
void Sun_Position(double jd, tagPosition* out);

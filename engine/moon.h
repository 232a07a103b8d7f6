// The Moon: mean elements in Julian centuries since 1800, five periodic terms
// on the mean anomaly, Kepler's equation for a fixed eccentricity, a fixed
// inclination plus one latitude term, and an elliptic distance.
#pragma once

#include "engine/position.h"

// Writes lam, bet, semi, dist, mag (the age in days), ra, dec, node, ecc and
// ecc_anom of `out` for Julian day `jd`, and recomputes the global Sun for
// `jd`. Mode 0 is geocentric. Any other mode corrects for parallax as seen
// from latitude `lat`, longitude `lon` and also writes phase, az and el (the
// horizontal coordinates use latitude0 / longitude0).
void Moon_Position(double jd, tagPosition* out, int mode, double lat, double lon);

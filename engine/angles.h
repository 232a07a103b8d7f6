// Angle helpers shared by the ephemeris routines. Angles are degrees unless a
// name says radians.
#pragma once

#include <cmath>

// pi / 180: every conversion between degrees and radians goes through this factor.
inline constexpr double kRadiansPerDegree = 0.017453292519943295;

inline double radians(double degrees) { return degrees * kRadiansPerDegree; }
inline double degrees(double radians) { return radians / kRadiansPerDegree; }

// Brings an angle into 0 to below 360.
inline double reduce_degrees(double x) {
  double r = x - 360.0 * std::floor(x / 360.0);
  if (r < 0) r += 360.0;
  return r;
}

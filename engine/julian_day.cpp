#include "julian_day.h"

#include <cmath>

namespace {

// First Julian day counted in the Gregorian calendar: 1582-10-15 12:00 UT.
constexpr double kGregorianSwitch = 2299161.0;
// Julian days above this are on or after 1900: civil zones are whole hours there.
constexpr double kWholeHourZoneFrom = 2415000.0;

double sign_of(double zone_longitude) { return zone_longitude < 0 ? -1.0 : 1.0; }

// The zone offset in days, either as the nearest whole hour or as local mean time.
double zone_offset_days(double zone_longitude, bool whole_hours) {
  const double magnitude = std::fabs(zone_longitude) / 15.0;
  const double hours = whole_hours ? std::floor(magnitude + 0.5) : magnitude;
  return sign_of(zone_longitude) * hours / 24.0;
}

}  // namespace

double JD(double year, double month, double day, double hour, double zone_longitude) {
  // January and February count as months 13 and 14 of the previous year.
  if (month < 3) {
    year -= 1;
    month += 12;
  }
  double j = std::floor(365.25 * year) + std::floor(30.59 * (month - 2)) + day + hour / 24.0;
  j -= zone_offset_days(zone_longitude, year >= 1900);
  j += 1721086.5;
  if (j >= kGregorianSwitch) j += std::floor(year / 400) - std::floor(year / 100) + 2;
  return j;
}

void Calendar(double jd, double* year, double* month, double* day, double* hour, int,
              double zone_longitude) {
  const double local = jd + zone_offset_days(zone_longitude, jd > kWholeHourZoneFrom);
  const double z = std::floor(local + 0.5);
  const double fraction = local + 0.5 - z;

  double a = z;
  if (z >= kGregorianSwitch) {
    const double centuries = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + centuries - std::floor(centuries * 0.25);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double e0 = std::floor(365.25 * c);
  const double e = std::floor((b - e0) / 30.6001);

  *day = std::floor(b - e0 - std::floor(30.6001 * e) + fraction);
  *hour = fraction * 24.0;
  *month = e < 13.5 ? e - 1 : e - 13;
  *year = *month > 2.5 ? c - 4716 : c - 4715;
}

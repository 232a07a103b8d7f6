// Julian days and civil dates. Julian calendar before 1582-10-15, Gregorian
// from then on; astronomical year numbering (year 0 is 1 BC).
#pragma once

// Julian day (UT scale) of the local civil date and hour at zone longitude
// `zone_longitude` (degrees, east positive). Days past the end of a month run on.
double JD(double year, double month, double day, double hour, double zone_longitude);

// Local civil date and hour of the Julian day `jd` at zone longitude
// `zone_longitude`. The integer argument is unused; callers pass 1.
void Calendar(double jd, double* year, double* month, double* day, double* hour, int,
              double zone_longitude);

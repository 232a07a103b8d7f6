// Ecliptic to equatorial and equatorial to horizontal coordinates.
#pragma once

// Obliquity of the ecliptic (degrees) at Julian day `jd`.
double obliquity(double jd);

// Local sidereal time (hours, 0 to below 24) at Julian day `jd` and east
// longitude `lon` (degrees).
double local_sidereal_time(double jd, double lon);

// Ecliptic longitude and latitude to right ascension (degrees, 0 to below 360)
// and declination.
void LamToRa(double jd, double lam, double bet, double* ra, double* dec);

// Right ascension and declination to azimuth (from the south point, positive
// toward the west, -180 to 180) and geometric elevation, for an observer at
// latitude `lat` (north positive) and longitude `lon` (east positive).
void Az_El(double jd, double ra, double dec, double lat, double lon, double* az, double* el);

// The record in which an ephemeris routine leaves the position of one body,
// the two records the almanac uses, and the observer.
#pragma once

struct tagPosition {
  char code[8];       // star designation (CP932), written only by the star routines
  char name[24];      // star name (CP932), written only by the star routines
  double lam;         // ecliptic longitude; the Sun's is not reduced and can pass 360
  double bet;         // ecliptic latitude
  double semi;        // apparent semidiameter
  double x, y, z;     // ecliptic rectangular coordinates, astronomical units
  double geo_dist;    // a comet's distance from the Earth
  double dist;        // Sun: radius vector (AU); Moon: distance in Earth radii
  double mag;         // the Moon's age in days; a magnitude for other bodies
  double ra;          // right ascension, degrees, 0 to below 360
  double dec;         // declination
  double elong;       // a comet's elongation
  double phase;       // the Moon's elongation from the Sun, radians (topocentric only)
  double axis;        // a planet's semi-major axis
  double mean_lon;    // a planet's mean longitude
  double helio_lon;   // a planet's heliocentric longitude
  double number;      // a star's catalogue number
  double az;          // azimuth from the south point, positive toward the west
  double el;          // geometric elevation
  double node;        // the Moon's ascending node
  double ecc;         // the Moon's orbital eccentricity
  double ecc_anom;    // the Moon's eccentric anomaly, radians
};

extern tagPosition Sun;
extern tagPosition Moon;

// The observer for horizontal coordinates, degrees north and east. Read at each
// position call; the phase and term scans set them.
extern double latitude0;
extern double longitude0;

// The scans of a year for lunar phases and solar terms.
#pragma once

// Scans day offsets 0, 1, 2, ... not beyond `days`, each day from one midnight
// (Japan Standard Time) to the next, counted from 1 January of the year in
// which `jd_start` falls. Consecutive days are consecutive Julian days, also
// across the calendar reform of 1582. Found events go to Moon_pos / Sun_pos;
// the scan stops once the table's 59 slots are full.
void Moon_year_koyomi1(double jd_start, double days);
void Sun_year_koyomi1(double jd_start, double days);

// Julian day of 00:00 Japan Standard Time on 1 January of `year`.
double first_midnight_of_year(double year);

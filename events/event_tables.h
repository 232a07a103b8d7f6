// The year tables of lunar phases (Tsuki) and solar terms (Sekki24).
#pragma once

// One event, dated in Japan Standard Time.
struct tagEvent {
  double year;   // astronomical numbering
  double month;  // 1 to 12
  double day;    // 1 to 31
  double hour;   // hours since local midnight, with fraction
  double jd;     // Julian day as the scan found it
  double angle;  // target angle: 0, 90, 180, 270 for phases; multiples of 15 for terms
};

inline constexpr int kEventTableSize = 120;
inline constexpr int kMaxSpanDays = 800;
// The span every view builds a year with: from 1 January to early March of the
// next year, past the end of a lunar year that begins as late as March.
inline constexpr int kYearSpanDays = 430;

// Valid records are 0 to count - 1 of the last build; the rest keep what an
// earlier build left.
extern tagEvent Tsuki[kEventTableSize];
extern tagEvent Sekki24[kEventTableSize];

// Builds the table of `year` from 00:00 of 1 January over `days` days after
// the first (clipped to 800) and returns the number of records written.
int Moon_year_Cal0(double year, int days);
int Sun_year_Cal0(double year, int days);

// The Julian day from which the builders start their scan: 12:00 Japan
// Standard Time on 1 January of `year`.
double year_table_start(double year);

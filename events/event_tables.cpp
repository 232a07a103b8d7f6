#include "events/event_tables.h"

#include "engine/julian_day.h"
#include "events/scratch.h"
#include "events/year_scan.h"

tagEvent Tsuki[kEventTableSize]{};
tagEvent Sekki24[kEventTableSize]{};

namespace {

constexpr double kZone = 135.0;

int build(void (*scan)(double, double), const tagScratch& scratch, tagEvent* table, double year, int days) {
  if (days > kMaxSpanDays) days = kMaxSpanDays;
  scan(year_table_start(year), days);
  const int n = scratch_count(scratch);
  for (int k = 1; k <= n; ++k) {
    Calendar(scratch.jd[k], &year0, &month0, &day0, &hour0, 1, kZone);
    table[k - 1] = tagEvent{year0, month0, day0, hour0, scratch.jd[k], scratch.angle[k]};
  }
  return n;
}

}  // namespace

// Noon lies well inside 1 January, so the scan takes `year` as its year.
double year_table_start(double year) { return JD(year, 1, 1, 12, kZone); }

int Moon_year_Cal0(double year, int days) { return build(Moon_year_koyomi1, Moon_pos, Tsuki, year, days); }

int Sun_year_Cal0(double year, int days) { return build(Sun_year_koyomi1, Sun_pos, Sekki24, year, days); }

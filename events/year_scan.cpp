#include "events/year_scan.h"

#include "engine/julian_day.h"
#include "engine/position.h"
#include "events/scratch.h"
#include "events/search_rules.h"

namespace {

constexpr double kZone = 135.0;  // Japan Standard Time
constexpr double kObserverLatitude = 34.8;

template <class Rule>
void scan(double jd_start, double days, tagScratch& table) {
  Calendar(jd_start, &year0, &month0, &day0, &hour0, 1, kZone);
  month0 = 1;
  day0 = 1;
  int count = 0;

  // Midnights counted on from 1 January; outside 1582 this is exactly the
  // date rule's midnight of day 1 + f, and across the reform it keeps the
  // days consecutive instead of jumping back nine days.
  const double first = first_midnight_of_year(year0);
  double next_start_angle = 0.0;
  for (double f = 0; f <= days && count < kScratchEvents; f += 1) {
    longitude0 = kZone;
    latitude0 = kObserverLatitude;
    const double t0 = first + f;
    const double t1 = t0 + 1.0;
    // Yesterday's end is today's start.
    const double a0 = f == 0 ? Rule::angle(t0) : next_start_angle;
    const double a1 = Rule::angle(t1);
    next_start_angle = a1;
    const DaySearch found = search_detail::search<Rule>(t0, t1, a0, a1);
    if (found.jd > 0) {
      ++count;
      table.angle[count] = found.angle;
      table.jd[count] = found.jd;
    }
  }
  set_scratch_count(table, count);
}

}  // namespace

double first_midnight_of_year(double year) { return JD(year, 1, 1, 0, kZone); }

void Moon_year_koyomi1(double jd_start, double days) { scan<search_detail::PhaseRule>(jd_start, days, Moon_pos); }

void Sun_year_koyomi1(double jd_start, double days) { scan<search_detail::TermRule>(jd_start, days, Sun_pos); }

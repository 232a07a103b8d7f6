#include "calendar/day_attributes.h"

#include <cmath>
#include <cstdio>

#include "calendar/tables/name_tables.h"

namespace {

// In the almanac's range every dividend is positive (day values from -666 on
// exceed 1.4 million and years get 5000 added), so cutting off the fraction is
// the floor. A negative one is brought back into the cycle rather than
// indexing before the start of a name table.
int cycle_index(double dividend, int cycle) {
  double rest = std::fmod(dividend, cycle);
  if (rest < 0) rest += cycle;
  return static_cast<int>(rest);
}

}  // namespace

int Weekday_Index(double day_value) { return cycle_index(day_value + 2, 7); }
int Day_Kan_Index(double day_value) { return cycle_index(day_value, 10); }
int Day_Shi_Index(double day_value) { return cycle_index(day_value + 2, 12); }
int Shuku_Index(double day_value) { return cycle_index(day_value + 13, 28); }

// Day 1 of the first month is 先勝; each month starts one further along.
int Rokuyou_Index(int lunar_month, int lunar_day) { return cycle_index(lunar_month + lunar_day + 4, 6); }

int Year_Kan_Index(double year) { return cycle_index(year + 6 + 5000, 10); }
int Year_Shi_Index(double year) { return cycle_index(year + 5000, 12); }

void Day_Kanshi(double day_value, char* out, std::size_t size) {
  std::snprintf(out, size, "%s%s", _10kan[Day_Kan_Index(day_value)], _12shi[Day_Shi_Index(day_value)]);
}

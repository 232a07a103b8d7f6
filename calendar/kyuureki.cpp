#include "calendar/kyuureki.h"

#include <algorithm>
#include <cmath>

#include "engine/julian_day.h"

namespace {

// Records the lookups may use: History_max, but never past the table.
int usable_records() { return std::clamp<int>(History_max, 0, kKyuurekiCount); }

// The last month has no successor; it is taken to run 30 days.
constexpr int kLastMonthLength = 30;

}  // namespace

tagKyuurekiDate Kyuureki_Search(double year, double month, double day) {
  tagKyuurekiDate found{-1, 0, JD(year, month, day, 12, 135)};
  // The day value is the date's Julian day number less 0.375 (12:00 JST is 03:00 UT).
  const double day_number = std::floor(found.day_value + 0.375 + 0.5);
  const auto first = Kyuureki_first_day.begin();
  const auto last = first + usable_records();
  // The containing month is the last one that begins on or before the day.
  const auto after = std::upper_bound(first, last, day_number,
                                      [](double d, std::int32_t start) { return d < start; });
  if (after == first) return found;
  const int index = static_cast<int>(after - first) - 1;
  const double lunar_day = day_number - Kyuureki_first_day[index] + 1;
  if (lunar_day > Kyuureki_Month_Length(index)) return found;  // past the table's end
  found.index = index;
  found.lunar_day = static_cast<int>(lunar_day);
  return found;
}

int Kyuureki_Newyear(int view_year, int fallback) {
  const auto first = Kyuureki.begin();
  const auto last = first + usable_records();
  // Months are in time order, so the civil years of their first days ascend.
  auto it = std::lower_bound(first, last, view_year,
                             [](const tagKyuureki& m, int year) { return m.year < year; });
  for (; it != last && it->year == view_year; ++it) {
    if (it->lunar_month == 1) return static_cast<int>(it - first);
  }
  return fallback;
}

int Kyuureki_Month_Length(int index) {
  if (index < 0 || index >= usable_records()) return 0;
  if (index + 1 == usable_records()) return kLastMonthLength;
  return Kyuureki_first_day[index + 1] - Kyuureki_first_day[index];
}

int Kyuureki_View_Year(const tagKyuurekiDate& date, double year) {
  if (date.index < 0) return static_cast<int>(std::trunc(year));
  return Kyuureki[date.index].year;
}

// The months of the old lunisolar calendar from the New Year of -666
// (-666-02-06) to the month that begins 2051-01-13, one record per month in
// time order.
#pragma once

#include <array>
#include <cstdint>

struct tagKyuureki {
  std::int32_t serial;       // index + 1
  std::int32_t year;         // civil date of the month's first day
  std::int32_t month;
  std::int32_t day;
  std::int32_t month_flag;   // 1 first month of a lunar year, 2 leap month, 0 other
  std::int32_t lunar_month;  // 1 to 12; a leap month repeats the number it follows
};

inline constexpr int kKyuurekiCount = 33605;

extern const std::array<tagKyuureki, kKyuurekiCount> Kyuureki;

// Julian day number of each month's first day (noon), for searching by date.
extern const std::array<std::int32_t, kKyuurekiCount> Kyuureki_first_day;

// Number of Kyuureki records the lookups may use; the year view stores
// kKyuurekiCount into it on every run.
extern std::int32_t History_max;

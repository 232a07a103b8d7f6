// Whole-day arithmetic on civil dates, usable at compile time: the Julian day
// number (the integer Julian day of the date's noon) of a civil date and back.
// Julian calendar before 1582-10-15, Gregorian from then on; astronomical years.
// The engine's JD and Calendar give the same days in doubles; these exist so
// that the month table can be expanded by the compiler.
#pragma once

#include <cstdint>

struct tagCivilDate {
  int year;
  int month;
  int day;
};

namespace day_number_detail {

constexpr std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days from 1 March of a year, counting March as month 3 and February as 14.
constexpr int day_of_march_year(int month, int day) {
  const int m = month < 3 ? month + 12 : month;
  return (153 * (m - 3) + 2) / 5 + day - 1;
}

// Month and day from the day counted from 1 March (0-based).
constexpr void month_day_of_march_year(int doy, int* month, int* day) {
  const int mp = (5 * doy + 2) / 153;
  *day = doy - (153 * mp + 2) / 5 + 1;
  *month = mp < 10 ? mp + 3 : mp - 9;
}

}  // namespace day_number_detail

// Julian day number of the first Gregorian day, 1582-10-15.
inline constexpr std::int32_t kGregorianFirstDayNumber = 2299161;

constexpr std::int32_t Day_Number(int year, int month, int day) {
  using namespace day_number_detail;
  const bool gregorian =
      year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
  const std::int64_t y = month < 3 ? year - 1 : year;  // the year that holds the March
  std::int64_t days = 365 * y + floor_div(y, 4) + day_of_march_year(month, day);
  if (gregorian) {
    // 0000-03-01 is day 1721120 in the Gregorian reckoning, 1721118 in the Julian.
    days += 1721120 - floor_div(y, 100) + floor_div(y, 400);
  } else {
    days += 1721118;
  }
  return static_cast<std::int32_t>(days);
}

constexpr tagCivilDate Civil_Date(std::int32_t day_number) {
  using namespace day_number_detail;
  tagCivilDate date{};
  std::int64_t year = 0;
  int doy = 0;
  if (day_number >= kGregorianFirstDayNumber) {
    // 400-year eras of 146097 days, counted from 0000-03-01.
    const std::int64_t z = std::int64_t{day_number} - 1721120;
    const std::int64_t era = floor_div(z, 146097);
    const int doe = static_cast<int>(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    year = yoe + era * 400;
    doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  } else {
    // 4-year cycles of 1461 days, counted from 0000-03-01 (Julian).
    const std::int64_t z = std::int64_t{day_number} - 1721118;
    const std::int64_t cycle = floor_div(z, 1461);
    const int doc = static_cast<int>(z - cycle * 1461);
    const int yoc = (doc - doc / 1460) / 365;
    year = yoc + cycle * 4;
    doy = doc - 365 * yoc;
  }
  month_day_of_march_year(doy, &date.month, &date.day);
  date.year = static_cast<int>(date.month <= 2 ? year + 1 : year);
  return date;
}

// Worked examples: the almanac's first day, the calendar reform and J2000.
static_assert(Day_Number(-666, 1, 1) == 1477802);
static_assert(Day_Number(1582, 10, 4) + 1 == Day_Number(1582, 10, 15));
static_assert(Day_Number(1582, 10, 15) == kGregorianFirstDayNumber);
static_assert(Day_Number(2000, 1, 1) == 2451545);
static_assert(Civil_Date(2451545).year == 2000 && Civil_Date(2451545).day == 1);
static_assert(Civil_Date(1477802).year == -666 && Civil_Date(1477802).month == 1);
static_assert(Civil_Date(2299160).month == 10 && Civil_Date(2299160).day == 4);

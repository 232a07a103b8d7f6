// The month table, expanded by the compiler from its compact form (one line per
// lunar year in kyuureki_years.inc). Expanding at compile time keeps the
// table in read-only data, costs nothing at start-up, and lets the checks
// below fail the build rather than a run.
#include "calendar/tables/kyuureki_table.h"

#include "calendar/day_number.h"

namespace {

struct tagKyuurekiYear {
  int year, month, day;  // civil date of the lunar year's first day
  int leap;              // the month the leap month follows; 0 for none
  const char* lengths;   // per month: '1' 30 days, '0' 29 days, '-' unknown (last month)
};

constexpr tagKyuurekiYear kYears[] = {
#include "calendar/tables/kyuureki_years.inc"
};

constexpr int length_of(const char* text) {
  int n = 0;
  while (text[n] != '\0') ++n;
  return n;
}

constexpr std::array<std::int32_t, kKyuurekiCount> expand_first_days() {
  std::array<std::int32_t, kKyuurekiCount> first{};
  std::size_t i = 0;
  for (const tagKyuurekiYear& y : kYears) {
    std::int32_t day = Day_Number(y.year, y.month, y.day);
    for (const char* c = y.lengths; *c != '\0'; ++c) {
      first.at(i++) = day;  // .at(): a miscount stops the compiler
      day += *c == '1' ? 30 : 29;
    }
  }
  if (i != first.size()) throw "the compact table does not hold 33605 months";
  return first;
}

}  // namespace

constexpr std::array<std::int32_t, kKyuurekiCount> Kyuureki_first_day = expand_first_days();

namespace {

constexpr std::array<tagKyuureki, kKyuurekiCount> expand_months() {
  std::array<tagKyuureki, kKyuurekiCount> months{};
  std::size_t i = 0;
  for (const tagKyuurekiYear& y : kYears) {
    const int count = length_of(y.lengths);
    for (int k = 0; k < count; ++k, ++i) {
      const tagCivilDate date = Civil_Date(Kyuureki_first_day[i]);
      // Months after the leap month carry the number of the month before them.
      const bool leap = y.leap != 0 && k == y.leap;
      const int number = (y.leap != 0 && k >= y.leap) ? k : k + 1;
      months.at(i) = tagKyuureki{static_cast<std::int32_t>(i + 1), date.year, date.month, date.day,
                                 k == 0 ? 1 : leap ? 2 : 0, number};
    }
  }
  return months;
}

// Each lunar year's first day must follow on from the one before.
constexpr bool years_are_continuous() {
  std::size_t i = 0;
  for (const tagKyuurekiYear& y : kYears) {
    if (Kyuureki_first_day[i] != Day_Number(y.year, y.month, y.day)) return false;
    i += length_of(y.lengths);
  }
  return true;
}

}  // namespace

constexpr std::array<tagKyuureki, kKyuurekiCount> Kyuureki = expand_months();

std::int32_t History_max = kKyuurekiCount;

static_assert(years_are_continuous(), "a lunar year does not begin where the one before ends");

// The ends of the table and the calendar reform.
static_assert(Kyuureki.front().year == -666 && Kyuureki.front().month == 2 &&
              Kyuureki.front().day == 6 && Kyuureki.front().month_flag == 1);
static_assert(Kyuureki.back().serial == 33605 && Kyuureki.back().year == 2051 &&
              Kyuureki.back().month == 1 && Kyuureki.back().day == 13 &&
              Kyuureki.back().month_flag == 0 && Kyuureki.back().lunar_month == 12);
static_assert(Kyuureki[27812].month == 9 && Kyuureki[27812].day == 17 &&
              Kyuureki[27813].month == 10 && Kyuureki[27813].day == 27 &&
              Kyuureki_first_day[27813] - Kyuureki_first_day[27812] == 30);

// The date entry with any typed text: three field texts go through the
// variant's conversions and the range test of the date entry, and the date
// they leave selected goes on into the month lookup, as every refresh takes
// it. Nothing may be undefined or hang; a number must convert the same way to
// int and double; an accepted value must lie within its range's integers; and
// every date so selected must find its lunar month (or lie outside the table).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/date_ranges.h"
#include "app/toolkit/variant.h"
#include "calendar/kyuureki.h"
#include "engine/julian_day.h"
#include "fuzz_input.h"

namespace {

void fail(const char* what, const std::string& text, double a, double b) {
  std::fprintf(stderr, "%s: text of %zu bytes, %.17g %.17g\n", what, text.size(), a, b);
  std::abort();
}

// The int that operator int must give for a parsed number: toward zero,
// saturated at the int range.
int expected_int(double v) {
  if (v >= 2147483647.0) return 2147483647;
  if (v <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(v);
}

// The field read as the date entry reads it, with the checks of what the
// variant's conversions must give around it.
void read_field(const std::string& text, tagFieldRange range, double& target) {
  const WSCvariant value(text);
  const int n = static_cast<int>(value);
  const double x = static_cast<double>(value);

  double parsed = 0;
  if (toolkit_parse_number(text, parsed)) {
    if (!std::isfinite(parsed) || x != parsed) fail("double differs from the parse", text, x, parsed);
    if (n != expected_int(parsed)) fail("int is not the double toward zero", text, n, parsed);
  } else if (n != WSCvariant::kNoInt || x != WSCvariant::kNoDouble) {
    fail("no number, yet a value", text, n, x);
  }

  const double before = target;
  const bool taken = take_field_value(value, range, target);
  if (taken != (n >= range.low && n <= range.high)) fail("range test", text, n, x);
  if (!taken && target != before) fail("refused value stored", text, target, before);
  if (taken && (!std::isfinite(x) || std::trunc(x) != n || target != x))
    fail("accepted value outside its integer", text, n, x);
}

void check_selected_date(double year, double month, double day) {
  const tagKyuurekiDate k = Kyuureki_Search(year, month, day);
  if (!std::isfinite(k.day_value)) fail("day value", "", year, k.day_value);
  const double day_number = std::floor(k.day_value + 0.375 + 0.5);
  if (k.index < 0) {
    // Only the days before the table's first month (-666-02-06) have none, and
    // those after its last: a year such as 2050.9 passes the range test on its
    // integer, yet its fraction counts most of a year of days.
    const double table_end = Kyuureki_first_day[kKyuurekiCount - 1] + Kyuureki_Month_Length(kKyuurekiCount - 1);
    const bool outside = day_number < Kyuureki_first_day[0] || day_number >= table_end;
    if (!outside || k.lunar_day != 0) fail("no lunar month", "", year, day_number);
    return;
  }
  if (k.index >= kKyuurekiCount) fail("month index", "", year, k.index);
  if (k.lunar_day < 1 || k.lunar_day > Kyuureki_Month_Length(k.index)) fail("lunar day", "", year, k.lunar_day);
  // A fractional year past 2050 can reach the table's last month, which
  // begins 2051-01-13: its view year 2051 has no first month in the table.
  const int view_year = Kyuureki_View_Year(k, year);
  if (view_year < -666 || view_year > 2051) fail("view year", "", year, view_year);
  const int first = Kyuureki_Newyear(view_year, k.index);
  if (first < 0 || first >= kKyuurekiCount) fail("first month", "", view_year, first);
  const bool new_year = Kyuureki[first].year == view_year && Kyuureki[first].lunar_month == 1;
  if (!new_year && first != k.index) fail("first month", "", view_year, first);
  // Every view year up to 2050 has its twelve months in the table.
  if (view_year <= 2050 && (!new_year || first + 11 >= kKyuurekiCount)) fail("twelve months", "", view_year, first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::string year_text = in.text(40);
  const std::string month_text = in.text(40);
  const std::string day_text = in.rest();

  // Today stands where a field is refused.
  double year = 2026, month = 3, day = 9;
  read_field(year_text, kYearRange, year);
  read_field(month_text, kMonthRange, month);
  read_field(day_text, kDayRange, day);
  check_selected_date(year, month, day);
  return 0;
}

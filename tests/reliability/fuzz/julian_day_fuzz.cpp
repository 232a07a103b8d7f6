// JD and Calendar with any doubles, NaN and infinities included: nothing may
// be undefined (the sanitizers stop at any such operation) and nothing may
// hang. Where the inputs are finite and of calendar size, Calendar must give
// a date that exists, and a real date from -666 to 2050 must come back
// unchanged through JD and Calendar.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "engine/julian_day.h"
#include "fuzz_input.h"

namespace {

void fail(const char* what, double a, double b, double c, double d) {
  std::fprintf(stderr, "%s: %.17g %.17g %.17g %.17g\n", what, a, b, c, d);
  std::abort();
}

// Julian days within a few million years of the almanac: the conversions'
// floor steps are exact there.
constexpr double kCalendarSized = 1e9;

void check_calendar(double jd, double zone) {
  double y = 0, m = 0, d = 0, h = 0;
  Calendar(jd, &y, &m, &d, &h, 1, zone);
  if (!std::isfinite(jd) || !std::isfinite(zone) || std::fabs(jd) > kCalendarSized || std::fabs(zone) > 360)
    return;
  if (!(m >= 1 && m <= 12 && m == std::floor(m))) fail("month", jd, zone, m, d);
  if (!(d >= 1 && d <= 31 && d == std::floor(d))) fail("day", jd, zone, m, d);
  if (!(h >= 0 && h < 24)) fail("hour", jd, zone, h, 0);
  if (y != std::floor(y)) fail("year", jd, zone, y, 0);
}

bool is_leap(int y) {
  // Julian rule before the reform, Gregorian from 1583 (1582 is common in both).
  if (y <= 1582) return y % 4 == 0;
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int month_days(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && is_leap(y) ? 29 : kDays[m - 1];
}

// A real civil date of the accepted years at an hour of the day, there and back.
void check_round_trip(FuzzInput& in) {
  const int year = -666 + static_cast<int>(in.take<std::uint16_t>() % 2717);
  const int month = 1 + in.take<std::uint8_t>() % 12;
  int day = 1 + in.take<std::uint8_t>() % month_days(year, month);
  if (year == 1582 && month == 10 && day > 4 && day < 15) day += 10;  // the dropped days
  const double hour = in.take<std::uint16_t>() / 65536.0 * 24.0;
  const double zone = in.take<std::uint8_t>() % 2 == 0 ? 135.0 : 0.0;

  const double jd = JD(year, month, day, hour, zone);
  double y = 0, m = 0, d = 0, h = 0;
  Calendar(jd, &y, &m, &d, &h, 1, zone);
  if (y != year || m != month || d != day) fail("date round trip", year * 10000.0 + month * 100 + day, zone, jd, h);
  if (std::fabs(h - hour) > 1e-6) fail("hour round trip", year * 10000.0 + month * 100 + day, zone, hour, h);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  switch (in.take<std::uint8_t>() % 3) {
    case 0: {  // any doubles into JD, and its result back through Calendar
      const double y = in.take<double>(), m = in.take<double>(), d = in.take<double>();
      const double h = in.take<double>(), zone = in.take<double>();
      const double jd = JD(y, m, d, h, zone);
      check_calendar(jd, zone);
      break;
    }
    case 1: {  // any double as a Julian day
      const double jd = in.take<double>(), zone = in.take<double>();
      check_calendar(jd, zone);
      break;
    }
    default:
      check_round_trip(in);
  }
  return 0;
}

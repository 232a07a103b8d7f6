#include "engine/julian_day.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct DateToJd {
  double year, month, day, hour, zone;
  double jd;
};

class JdWorkedExample : public testing::TestWithParam<DateToJd> {};

TEST_P(JdWorkedExample, GivesTheJulianDay) {
  const DateToJd& c = GetParam();
  EXPECT_NEAR(JD(c.year, c.month, c.day, c.hour, c.zone), c.jd, 1e-9)
      << c.year << "-" << c.month << "-" << c.day << " hour " << c.hour << " zone " << c.zone;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, JdWorkedExample,
    testing::Values(DateToJd{2004, 3, 11, 0, 135, 2453075.125}, DateToJd{2004, 3, 11, 0, 0, 2453075.5},
                    DateToJd{2000, 1, 1, 12, 0, 2451545.0}, DateToJd{1582, 10, 4, 0, 135, 2299159.125},
                    DateToJd{1582, 10, 15, 0, 135, 2299160.125}, DateToJd{-666, 1, 1, 0, 135, 1477801.125},
                    // Adjusted year 1899: local mean time of 137.6 degrees east.
                    DateToJd{1900, 1, 1, 0, 137.6, 2415020.5 - 137.6 / 15 / 24},
                    // From 1900-03-01 the zone is taken to the whole hour (9).
                    DateToJd{1901, 1, 1, 0, 137.6, 2415385.125},
                    // The dropped days: 10-05 meets 10-15, 10-06 lands on 09-26.
                    DateToJd{1582, 10, 5, 0, 135, 2299160.125}, DateToJd{1582, 10, 6, 0, 135, 2299151.125},
                    // 21:00 of 10-05 reaches 2299161 before the Gregorian term and gets it.
                    DateToJd{1582, 10, 5, 21, 135, 2299151.0},
                    // Days past the month's end run on.
                    DateToJd{2004, 2, 30, 0, 135, 2453065.125}));

struct JdToDate {
  double jd, zone;
  double year, month, day, hour;
};

class CalendarWorkedExample : public testing::TestWithParam<JdToDate> {};

TEST_P(CalendarWorkedExample, GivesTheCivilDate) {
  const JdToDate& c = GetParam();
  double y = 0, m = 0, d = 0, h = 0;
  Calendar(c.jd, &y, &m, &d, &h, 1, c.zone);
  EXPECT_EQ(y, c.year) << c.jd;
  EXPECT_EQ(m, c.month) << c.jd;
  EXPECT_EQ(d, c.day) << c.jd;
  EXPECT_NEAR(h, c.hour, 1e-6) << c.jd;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CalendarWorkedExample,
    testing::Values(JdToDate{2453075.125, 135, 2004, 3, 11, 0}, JdToDate{2453075.5, 135, 2004, 3, 11, 9},
                    JdToDate{2453075.5, -135, 2004, 3, 10, 15},
                    // 142.6 / 15 = 9.51 rounds to a 10-hour zone.
                    JdToDate{2453075.5, 142.6, 2004, 3, 11, 10}, JdToDate{2453075.5, 0, 2004, 3, 11, 0},
                    JdToDate{2299160.125, 135, 1582, 10, 15, 0}, JdToDate{2299159.125, 135, 1582, 10, 4, 0},
                    JdToDate{1477801.125, 135, -666, 1, 1, 0},
                    // 20:00 UT on 31 December is already New Year's Day in Japan.
                    JdToDate{2451909.5 + 20.0 / 24, 135, 2001, 1, 1, 5}));

TEST(JulianDay, NegativeYearsFloorTowardMinusInfinity) {
  // floor(365.25 * -667) = -243622, not the truncated -243621.
  EXPECT_EQ(JD(-666, 1, 1, 0, 135), -243622 + 336 + 1 - 0.375 + 1721086.5);
  EXPECT_EQ(JD(0, 3, 1, 0, 135) - JD(0, 2, 28, 0, 135), 2.0);  // year 0 is a Julian leap year
  EXPECT_EQ(JD(-1, 3, 1, 0, 135) - JD(-1, 2, 28, 0, 135), 1.0);
}

TEST(JulianDay, DayNumbersCountOnFromFirstOfJanuary) {
  // The day scans ask for "day 1 + f of January".
  for (double year : {-666.0, 1.0, 1999.0, 2000.0, 2050.0}) {
    const double first = JD(year, 1, 1, 0, 135);
    for (int f = 0; f <= 800; ++f) {
      double y = 0, m = 0, d = 0, h = 0;
      Calendar(JD(year, 1, 1 + f, 0, 135), &y, &m, &d, &h, 1, 135);
      ASSERT_EQ(JD(y, m, d, 0, 135), first + f) << year << " day " << 1 + f;
    }
  }
}

TEST(JulianDay, ZoneLongitudeZeroCountsAsEast) {
  EXPECT_EQ(JD(2004, 3, 11, 0, 0), JD(2004, 3, 11, 0, -0.0));
  EXPECT_EQ(JD(2004, 3, 11, 0, -135) - JD(2004, 3, 11, 0, 135), 0.75);
}

bool is_leap(int year) {
  if (year < 1582) return year % 4 == 0;  // C++ % is fine here: year 0 and -4 are leap, -1 is not
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int month_length(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap(year) ? 29 : kDays[month - 1];
}

// Every real date of the almanac's range comes back unchanged, and consecutive
// dates are consecutive Julian days (1582-10-04 is followed by 1582-10-15).
TEST(JulianDay, RoundTripsEveryDateFromMinus666To2050) {
  double previous = JD(-666, 1, 1, 0, 135) - 1;
  long dates = 0;
  for (int year = -666; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= month_length(year, month); ++day) {
        if (year == 1582 && month == 10 && day > 4 && day < 15) continue;
        const double jd = JD(year, month, day, 0, 135);
        ASSERT_EQ(jd, previous + 1) << year << "-" << month << "-" << day;
        previous = jd;
        double y = 0, m = 0, d = 0, h = -1;
        Calendar(jd, &y, &m, &d, &h, 1, 135);
        ASSERT_EQ(y, year);
        ASSERT_EQ(m, month);
        ASSERT_EQ(d, day);
        ASSERT_EQ(h, 0.0) << year << "-" << month << "-" << day;
        ++dates;
      }
    }
  }
  EXPECT_EQ(previous, JD(2050, 12, 31, 0, 135));
  EXPECT_EQ(dates, 992'371);  // 2717 years less the ten dropped days
}

}  // namespace

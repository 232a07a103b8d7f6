#include "events/year_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/julian_day.h"
#include "engine/position.h"
#include "events/day_search.h"
#include "events/scratch.h"

namespace {

struct Event {
  double angle;
  double jd;
  bool operator==(const Event&) const = default;
};

std::vector<Event> events_of(const tagScratch& table) {
  std::vector<Event> out;
  for (int k = 1; k <= scratch_count(table); ++k) out.push_back({table.angle[k], table.jd[k]});
  return out;
}

// The scan as the almanac first described it: each midnight from the date
// rule of "day 1 + f of January", and both ends of the interval evaluated
// afresh on every pass. The real scan must give the same events bit for bit.
template <class Angle>
std::vector<Event> plain_scan(double year, double days, Angle angle, int step, double upper_window, bool window_on_end) {
  std::vector<Event> out;
  for (double f = 0; f <= days; f += 1) {
    latitude0 = 34.8;
    longitude0 = 135.0;
    double t0 = JD(year, 1, 1 + f, 0, 135.0);
    double t1 = JD(year, 1, 2 + f, 0, 135.0);
    for (int pass = 1; pass <= 31; ++pass) {
      const double a0 = angle(t0);
      const double a1 = angle(t1);
      const double target = step * (static_cast<int>(a1) / step);
      if (std::fabs(target - (window_on_end ? a1 : a0)) > upper_window) break;
      if (!(a0 < target && target < a1)) break;
      if (std::fabs(a0 - a1) < 0.01) {
        out.push_back({target, t0});
        break;
      }
      if (std::fabs(a0 - target) < std::fabs(a1 - target)) {
        t1 = (t0 + 2 * t1) / 3;
      } else {
        t0 = (2 * t0 + t1) / 3;
      }
    }
  }
  return out;
}

std::vector<Event> plain_phases(double year) { return plain_scan(year, 430, phase_angle_at, 90, 30, true); }
std::vector<Event> plain_terms(double year) { return plain_scan(year, 430, term_angle_at, 15, 10, false); }

double noon_of_new_year(double year) { return JD(year, 1, 1, 12, 135.0); }

TEST(YearScan, MatchesThePlainScanBitForBit) {
  std::vector<int> years{-666, -1, 0, 1, 1581, 1583, 1899, 1900, 2000, 2050};
  for (int year = -660; year <= 2050; year += 97) years.push_back(year);
  for (int year : years) {
    Moon_year_koyomi1(noon_of_new_year(year), 430);
    ASSERT_EQ(events_of(Moon_pos), plain_phases(year)) << year;
    Sun_year_koyomi1(noon_of_new_year(year), 430);
    ASSERT_EQ(events_of(Sun_pos), plain_terms(year)) << year;
  }
}

// Counting midnights on from 1 January gives the date rule's midnights in
// every accepted year but 1582, over the whole span the lists use.
TEST(YearScan, MidnightsAreTheDateRulesOutside1582) {
  for (int year = -666; year <= 2050; ++year) {
    if (year == 1582) continue;
    const double first = first_midnight_of_year(year);
    for (int f = 0; f <= 431; ++f) ASSERT_EQ(first + f, JD(year, 1, 1 + f, 0, 135.0)) << year << " " << f;
  }
}

TEST(YearScan, Year2000) {
  Moon_year_koyomi1(2451544.625, 430);
  ASSERT_EQ(scratch_count(Moon_pos), 58);
  EXPECT_EQ(Moon_pos.angle[1], 0.0);
  EXPECT_NEAR(Moon_pos.jd[1], 2451550.256888, 5e-7);
  EXPECT_EQ(Moon_pos.angle[58], 90.0);
  EXPECT_NEAR(Moon_pos.jd[58], 2451971.582351, 5e-7);
  EXPECT_EQ(year0, 2000.0);
  EXPECT_EQ(month0, 1.0);
  EXPECT_EQ(day0, 1.0);
  EXPECT_EQ(latitude0, 34.8);
  EXPECT_EQ(longitude0, 135.0);

  Sun_year_koyomi1(2451544.625, 430);
  ASSERT_EQ(scratch_count(Sun_pos), 29);
  EXPECT_EQ(Sun_pos.angle[1], 285.0);
  EXPECT_NEAR(Sun_pos.jd[1], 2451549.536007, 5e-7);
  EXPECT_EQ(Sun_pos.angle[29], 345.0);
  EXPECT_NEAR(Sun_pos.jd[29], 2451974.015080, 5e-7);
}

TEST(YearScan, AnyInstantOfTheYearStartsOnFirstOfJanuary) {
  Sun_year_koyomi1(2451544.625, 430);
  const std::vector<Event> from_noon = events_of(Sun_pos);
  // 00:00 JST 1 January, and 23:59 JST 31 December.
  for (double start : {2451544.125, 2451544.125 + 366 - 1.0 / 1440}) {
    Sun_year_koyomi1(start, 430);
    EXPECT_EQ(events_of(Sun_pos), from_noon) << start;
  }
}

// Offsets 0, 1, 2, ... are scanned while they do not exceed the span.
TEST(YearScan, SpanCountsDayOffsets) {
  // 2000: 小寒 on day offset 5, 大寒 on 20; new moon on 6, first quarter on 13, full moon on 20.
  struct Case {
    double days;
    int terms;
    int phases;
  };
  for (const Case c : {Case{0, 0, 0}, Case{2.5, 0, 0}, Case{5, 1, 0}, Case{6, 1, 1}, Case{19, 1, 2}, Case{20.5, 2, 3}}) {
    Sun_year_koyomi1(2451544.625, c.days);
    EXPECT_EQ(scratch_count(Sun_pos), c.terms) << c.days;
    Moon_year_koyomi1(2451544.625, c.days);
    EXPECT_EQ(scratch_count(Moon_pos), c.phases) << c.days;
  }
}

TEST(YearScan, NegativeSpanStoresCountZeroAndKeepsTheSlots) {
  Sun_year_koyomi1(2451544.625, 430);
  const tagScratch before = Sun_pos;
  Sun_year_koyomi1(2451544.625, -1);
  EXPECT_EQ(scratch_count(Sun_pos), 0);
  for (int k = 1; k < kScratchSlots; ++k) EXPECT_EQ(Sun_pos.jd[k], before.jd[k]);
}

// A span longer than 59 phases stops at the table's last slot: the first 59
// events in time order, and nothing written past the table.
TEST(YearScan, LongSpansNeverOverrunTheTable) {
  Sun_year_koyomi1(2451544.625, 430);
  const tagScratch terms = Sun_pos;
  Moon_year_koyomi1(2451544.625, 430);
  const std::vector<Event> short_span = events_of(Moon_pos);
  for (double days : {800.0, 1000.0}) {
    Moon_year_koyomi1(2451544.625, days);
    ASSERT_EQ(scratch_count(Moon_pos), kScratchEvents) << days;
    const std::vector<Event> long_span = events_of(Moon_pos);
    EXPECT_TRUE(std::equal(short_span.begin(), short_span.end(), long_span.begin())) << days;
    EXPECT_GT(long_span.back().jd, short_span.back().jd);
    // The neighbouring table is untouched.
    EXPECT_EQ(std::memcmp(&Sun_pos, &terms, sizeof terms), 0) << days;
  }
}

// 1582 is scanned as 431 consecutive days, 1582-01-01 (Julian) to 1583-03-17
// (Gregorian): no day twice, so no event twice.
TEST(YearScan, ReformYearVisitsEachDayOnce) {
  const double first = JD(1582, 1, 1, 0, 135.0);
  Moon_year_koyomi1(JD(1582, 1, 1, 12, 135.0), 430);
  const std::vector<Event> phases = events_of(Moon_pos);
  Sun_year_koyomi1(JD(1582, 1, 1, 12, 135.0), 430);
  const std::vector<Event> terms = events_of(Sun_pos);

  for (const auto* list : {&phases, &terms}) {
    const double step = list == &phases ? 90 : 15;
    for (size_t i = 1; i < list->size(); ++i) {
      EXPECT_GT((*list)[i].jd, (*list)[i - 1].jd) << i;
      EXPECT_EQ(std::fmod((*list)[i - 1].angle + step, 360.0), (*list)[i].angle) << i;
    }
    EXPECT_GE(list->front().jd, first);
    EXPECT_LT(list->back().jd, JD(1583, 3, 18, 0, 135.0));
  }
  // Each event of the dropped-days stretch once: the full moon of 1582-10-02
  // (Julian) and the term at 195 degrees of 1582-09-29.
  const auto count_near = [](const std::vector<Event>& list, double angle, double from, double to) {
    return std::count_if(list.begin(), list.end(),
                         [&](const Event& e) { return e.angle == angle && e.jd >= from && e.jd < to; });
  };
  EXPECT_EQ(count_near(phases, 180, JD(1582, 10, 2, 0, 135.0), JD(1582, 10, 3, 0, 135.0)), 1);
  EXPECT_EQ(count_near(terms, 195, JD(1582, 9, 29, 0, 135.0), JD(1582, 9, 30, 0, 135.0)), 1);
  EXPECT_EQ(terms.back().angle, 345.0);  // 啓蟄 of early March 1583 is the last term
}

}  // namespace

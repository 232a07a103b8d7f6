#include "events/day_search.h"

#include <gtest/gtest.h>

#include "engine/position.h"
#include "events/year_scan.h"

namespace {

constexpr double kSixDecimals = 5e-7;

class DaySearchTest : public testing::Test {
 protected:
  void SetUp() override {
    latitude0 = 34.8;
    longitude0 = 135.0;
  }
  double midnight_2000(int offset) const { return first_midnight_of_year(2000) + offset; }
};

TEST_F(DaySearchTest, FirstNewMoonOf2000TakesNineteenPasses) {
  const DaySearch found = search_phase_day(midnight_2000(6), midnight_2000(7));
  EXPECT_NEAR(found.jd, 2451550.256888, kSixDecimals);
  EXPECT_EQ(found.angle, 0.0);
  EXPECT_EQ(found.passes, 19);
}

TEST_F(DaySearchTest, FirstSolarTermOf2000TakesThirteenPasses) {
  const DaySearch found = search_term_day(midnight_2000(5), midnight_2000(6));
  EXPECT_NEAR(found.jd, 2451549.536007, kSixDecimals);
  EXPECT_EQ(found.angle, 285.0);
  EXPECT_EQ(found.passes, 13);
}

TEST_F(DaySearchTest, ADayWithoutPassageEndsAfterOnePass) {
  const DaySearch phase = search_phase_day(midnight_2000(5), midnight_2000(6));
  EXPECT_EQ(phase.jd, 0.0);
  EXPECT_EQ(phase.passes, 1);
  const DaySearch term = search_term_day(midnight_2000(6), midnight_2000(7));
  EXPECT_EQ(term.jd, 0.0);
  EXPECT_EQ(term.passes, 1);
}

// The event time is the start of the last interval: the angle has not yet
// reached the target there, and reaches it within 0.01 degree's worth of time.
TEST_F(DaySearchTest, EventTimeLiesJustBeforeThePassage) {
  const DaySearch phase = search_phase_day(midnight_2000(6), midnight_2000(7));
  EXPECT_LT(phase_angle_at(phase.jd), 0.0);
  EXPECT_GT(phase_angle_at(phase.jd + 1.5 / 1440), 0.0);  // a phase: under 1.5 minutes
  const DaySearch term = search_term_day(midnight_2000(5), midnight_2000(6));
  EXPECT_LT(term_angle_at(term.jd), 285.0);
  EXPECT_GT(term_angle_at(term.jd + 15.0 / 1440), 285.0);  // a term: about a quarter hour
}

// New moon and 春分 are rises through 0 from negative angles.
TEST_F(DaySearchTest, NewMoonAndVernalEquinoxRiseThroughZero) {
  // New moon of 2000-01-07 03:14 JST lies in day offset 6.
  EXPECT_LT(phase_angle_at(midnight_2000(6)), 0.0);
  EXPECT_GT(phase_angle_at(midnight_2000(7)), 0.0);
  // 春分 2000-03-20 16:35 JST lies in day offset 79.
  EXPECT_LT(term_angle_at(midnight_2000(79)), 0.0);
  EXPECT_GT(term_angle_at(midnight_2000(80)), 0.0);
  const DaySearch equinox = search_term_day(midnight_2000(79), midnight_2000(80));
  EXPECT_EQ(equinox.angle, 0.0);
  EXPECT_GT(equinox.jd, midnight_2000(79));
}

TEST_F(DaySearchTest, AnglesStayInTheirRanges) {
  for (double t = midnight_2000(0); t < midnight_2000(400); t += 0.37) {
    const double phase = phase_angle_at(t);
    ASSERT_GT(phase, -20.0);
    ASSERT_LE(phase, 340.0);
    const double term = term_angle_at(t);
    ASSERT_GT(term, -10.0);
    ASSERT_LE(term, 350.0);
  }
}

}  // namespace

#include "engine/sun.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/julian_day.h"

namespace {

constexpr double kSixDecimals = 5e-7;

class SunPosition : public testing::Test {
 protected:
  void SetUp() override {
    latitude0 = 34.8;
    longitude0 = 135.0;
  }
  void TearDown() override { latitude0 = longitude0 = 0.0; }
};

// 2004-03-11 00:00 UT, observer 34.8 N, 135 E.
TEST_F(SunPosition, WorkedExample) {
  tagPosition sun{};
  Sun_Position(2453075.5, &sun);
  EXPECT_NEAR(sun.lam, 350.763860, kSixDecimals);
  EXPECT_EQ(sun.bet, 0.0);
  EXPECT_NEAR(sun.dist, 0.993439, kSixDecimals);
  EXPECT_NEAR(sun.semi, 0.268361, kSixDecimals);
  EXPECT_NEAR(sun.x, 0.980559, kSixDecimals);
  EXPECT_NEAR(sun.y, -0.159451, kSixDecimals);
  EXPECT_EQ(sun.z, 0.0);
  EXPECT_NEAR(sun.ra, 351.514391, kSixDecimals);
  EXPECT_NEAR(sun.dec, -3.660445, kSixDecimals);
  EXPECT_NEAR(sun.az, -59.297218, kSixDecimals);
  EXPECT_NEAR(sun.el, 31.129888, kSixDecimals);
}

TEST_F(SunPosition, LeavesTheFieldsItDoesNotWrite) {
  tagPosition sun{};
  sun.mag = 7.0;
  sun.node = 8.0;
  sun.phase = 9.0;
  Sun_Position(2453075.5, &sun);
  EXPECT_EQ(sun.mag, 7.0);
  EXPECT_EQ(sun.node, 8.0);
  EXPECT_EQ(sun.phase, 9.0);
}

TEST_F(SunPosition, ShortcutGivesTheSameLongitudeAndDistance) {
  for (double jd = 1477801.0; jd < 2470000.0; jd += 997.3) {
    tagPosition sun{};
    Sun_Position(jd, &sun);
    const SunEcliptic e = sun_ecliptic(jd);
    ASSERT_EQ(e.lam, sun.lam) << jd;
    ASSERT_EQ(e.dist, sun.dist) << jd;
  }
}

// Around each March equinox the longitude runs on past 360 and then drops to
// about 1.9; over the almanac's range it never lies in 0 to 1.7.
TEST_F(SunPosition, LongitudeIsUnreducedAroundTheEquinox) {
  double highest = 0, lowest = 1000;
  for (int year : {-666, 0, 1000, 1582, 2000, 2050}) {
    const double from = JD(year, 3, 10, 0, 135);
    for (double jd = from; jd < from + 30; jd += 1.0 / 24) {
      tagPosition sun{};
      Sun_Position(jd, &sun);
      highest = std::max(highest, sun.lam);
      lowest = std::min(lowest, sun.lam);
      ASSERT_GE(sun.ra, 0.0);
      ASSERT_LT(sun.ra, 360.0);
      ASSERT_NEAR(sun.x * sun.x + sun.y * sun.y, sun.dist * sun.dist, 1e-12);
    }
  }
  EXPECT_GT(highest, 361.5);
  EXPECT_LT(highest, 362.0);
  EXPECT_GT(lowest, 1.6);
  EXPECT_LT(lowest, 2.2);
}

TEST_F(SunPosition, ReadsTheObserverAtEachCall) {
  tagPosition at_home{}, at_origin{};
  Sun_Position(2453075.5, &at_home);
  latitude0 = longitude0 = 0.0;
  Sun_Position(2453075.5, &at_origin);
  EXPECT_EQ(at_home.lam, at_origin.lam);
  EXPECT_NE(at_home.az, at_origin.az);
  // At 00:00 UT the Sun is below the horizon at longitude 0.
  EXPECT_LT(at_origin.el, 0.0);
}

}  // namespace

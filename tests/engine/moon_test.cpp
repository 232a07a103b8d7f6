#include "engine/moon.h"

#include <gtest/gtest.h>

#include "engine/sun.h"

namespace {

constexpr double kSixDecimals = 5e-7;
constexpr double kExample = 2453075.5;  // 2004-03-11 00:00 UT

class MoonPosition : public testing::Test {
 protected:
  void SetUp() override {
    latitude0 = 34.8;
    longitude0 = 135.0;
    Sun = tagPosition{};
  }
  void TearDown() override {
    latitude0 = longitude0 = 0.0;
    Sun = tagPosition{};
  }
};

TEST_F(MoonPosition, GeocentricWorkedExample) {
  tagPosition moon{};
  Moon_Position(kExample, &moon, 0, latitude0, longitude0);
  EXPECT_NEAR(moon.node, 43.999102, kSixDecimals);
  EXPECT_NEAR(moon.ecc_anom, 5.771308, kSixDecimals);
  EXPECT_EQ(moon.ecc, 0.05490897);
  EXPECT_NEAR(moon.lam, 222.951238, kSixDecimals);
  EXPECT_NEAR(moon.bet, -0.041475, kSixDecimals);
  EXPECT_NEAR(moon.dist, 57.383095, kSixDecimals);
  EXPECT_NEAR(moon.semi, 0.272086, kSixDecimals);
  EXPECT_NEAR(moon.ra, 220.487958, kSixDecimals);
  EXPECT_NEAR(moon.dec, -15.765089, kSixDecimals);
  EXPECT_NEAR(Sun.lam, 350.763860, kSixDecimals);
  EXPECT_NEAR(moon.mag, 19.045815, kSixDecimals);
}

TEST_F(MoonPosition, TopocentricWorkedExample) {
  tagPosition moon{};
  Moon_Position(kExample, &moon, 1, 34.8, 135);
  EXPECT_NEAR(moon.lam, 222.342195, kSixDecimals);
  EXPECT_NEAR(moon.bet, -0.842682, kSixDecimals);
  EXPECT_NEAR(moon.semi, 0.274835, kSixDecimals);
  EXPECT_NEAR(moon.ra, 219.630475, kSixDecimals);
  EXPECT_NEAR(moon.dec, -16.342845, kSixDecimals);
  EXPECT_NEAR(moon.mag, 18.995856, kSixDecimals);
  EXPECT_NEAR(moon.phase, 2.241295, kSixDecimals);
  EXPECT_NEAR(moon.az, 73.391182, kSixDecimals);
  EXPECT_NEAR(moon.el, -4.772618, kSixDecimals);
  // The distance stays geocentric.
  EXPECT_NEAR(moon.dist, 57.383095, kSixDecimals);
}

TEST_F(MoonPosition, GeocentricModeLeavesTheTopocentricFields) {
  tagPosition moon{};
  Moon_Position(kExample, &moon, 1, 34.8, 135);
  const double az = moon.az, el = moon.el, phase = moon.phase;
  Moon_Position(kExample + 3.3, &moon, 0, 34.8, 135);
  EXPECT_EQ(moon.az, az);
  EXPECT_EQ(moon.el, el);
  EXPECT_EQ(moon.phase, phase);
}

TEST_F(MoonPosition, HorizontalCoordinatesUseTheObserverGlobals) {
  tagPosition moon{}, moved{};
  Moon_Position(kExample, &moon, 1, 34.8, 135);
  latitude0 = 0.0;
  longitude0 = 0.0;
  Moon_Position(kExample, &moved, 1, 34.8, 135);
  EXPECT_EQ(moved.lam, moon.lam);  // the parallax uses lat and lon
  EXPECT_NE(moved.az, moon.az);
}

TEST_F(MoonPosition, LeavesTheSunOfTheSameInstant) {
  tagPosition other{};
  Moon_Position(kExample + 10.25, &other, 0, 34.8, 135);
  tagPosition sun{};
  Sun_Position(kExample + 10.25, &sun);
  EXPECT_EQ(Sun.lam, sun.lam);
  EXPECT_EQ(Sun.dist, sun.dist);
  EXPECT_EQ(Sun.az, sun.az);
}

TEST_F(MoonPosition, GeocentricLongitudeIsReduced) {
  for (double jd = 1477801.0; jd < 2470000.0; jd += 37.77) {
    tagPosition moon{};
    Moon_Position(jd, &moon, 0, 34.8, 135);
    ASSERT_GE(moon.lam, 0.0) << jd;
    ASSERT_LT(moon.lam, 360.0) << jd;
    ASSERT_GE(moon.ra, 0.0) << jd;
    ASSERT_LT(moon.ra, 360.0) << jd;
  }
}

// Just before a new moon that falls right after the March equinox, the Sun's
// longitude is above 360 and the age is a little below 0, not near 29.53.
TEST_F(MoonPosition, AgeIsCorrectedOnceEachWay) {
  // New moon of 2004-03-21 (the equinox was 03-20): scan the hours before it.
  bool saw_negative = false;
  for (double jd = 2453085.0; jd < 2453086.5; jd += 1.0 / 96) {
    tagPosition moon{};
    Moon_Position(jd, &moon, 0, 34.8, 135);
    if (Sun.lam > 360.0 && moon.lam > Sun.lam - 360.0 && moon.lam < 1.0) continue;
    if (moon.mag < 0) {
      saw_negative = true;
      EXPECT_GT(moon.mag, -0.5);
      EXPECT_EQ(moon.mag, (moon.lam - Sun.lam + 360.0) / 360.0 * 29.53);
    }
  }
  EXPECT_TRUE(saw_negative);
}

}  // namespace

#include "engine/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Printed to six decimals.
constexpr double kSixDecimals = 5e-7;

// The Sun of 2004-03-11 00:00 UT seen from 34.8 N, 135 E.
TEST(Coordinates, WorkedExampleOfTheSun) {
  const double jd = 2453075.5;
  EXPECT_NEAR(obliquity(jd), 23.438755, kSixDecimals);
  double ra = 0, dec = 0;
  LamToRa(jd, 350.7638599543674, 0, &ra, &dec);
  EXPECT_NEAR(ra, 351.514391, kSixDecimals);
  EXPECT_NEAR(dec, -3.660445, kSixDecimals);

  EXPECT_NEAR(local_sidereal_time(jd, 135), 20.266283, kSixDecimals);
  double az = 0, el = 0;
  Az_El(jd, ra, dec, 34.8, 135, &az, &el);
  EXPECT_NEAR(az, -59.297218, kSixDecimals);
  EXPECT_NEAR(el, 31.129888, kSixDecimals);
}

TEST(Coordinates, RightAscensionStaysInZeroTo360) {
  const double jd = 2453075.5;
  for (double lam = -720; lam <= 720; lam += 0.25) {
    for (double bet : {-5.0, 0.0, 5.0}) {
      double ra = -1, dec = 0;
      LamToRa(jd, lam, bet, &ra, &dec);
      ASSERT_GE(ra, 0.0) << lam << " " << bet;
      ASSERT_LT(ra, 360.0) << lam << " " << bet;
    }
  }
  // A longitude run past 360 (the Sun's can) means the same as less 360.
  double ra1 = 0, dec1 = 0, ra2 = 0, dec2 = 0;
  LamToRa(jd, 361.5, 0, &ra1, &dec1);
  LamToRa(jd, 1.5, 0, &ra2, &dec2);
  EXPECT_NEAR(ra1, ra2, 1e-9);
  EXPECT_NEAR(dec1, dec2, 1e-9);
  // Just below 360 the atan2 gives a tiny negative angle; it must not become 360.
  double ra3 = 0, dec3 = 0;
  LamToRa(jd, -1e-14, 0, &ra3, &dec3);
  EXPECT_LT(ra3, 360.0);
}

TEST(Coordinates, SiderealTimeStaysInZeroTo24) {
  for (double jd = 1477801.0; jd < 2470000.0; jd += 1234.567) {
    for (double lon : {-180.0, 0.0, 135.0}) {
      const double theta = local_sidereal_time(jd, lon);
      ASSERT_GE(theta, 0.0);
      ASSERT_LT(theta, 24.0);
    }
  }
}

TEST(Coordinates, AzimuthIsCountedFromTheSouthTowardTheWest) {
  const double jd = 2453075.5;
  const double lst_degrees = 15 * local_sidereal_time(jd, 135);
  double az = 0, el = 0;
  // On the meridian, south of the zenith: azimuth 0, elevation 90 - lat + dec.
  Az_El(jd, lst_degrees, 0, 34.8, 135, &az, &el);
  EXPECT_NEAR(az, 0, 1e-9);
  EXPECT_NEAR(el, 55.2, 1e-9);
  // Six hours west of the meridian: due west at the horizon for dec 0.
  Az_El(jd, lst_degrees - 90, 0, 34.8, 135, &az, &el);
  EXPECT_NEAR(az, 90, 1e-9);
  EXPECT_NEAR(el, 0, 1e-9);
  // East of the meridian: negative azimuth, not brought into 0 to 360.
  Az_El(jd, lst_degrees + 90, 0, 34.8, 135, &az, &el);
  EXPECT_NEAR(az, -90, 1e-9);
}

TEST(Coordinates, ThePoleStandsAtTheObserversLatitudeDueNorth) {
  double az = 0, el = 0;
  Az_El(2453075.5, 123.0, 90.0, 34.8, 135, &az, &el);
  EXPECT_NEAR(el, 34.8, 1e-9);
  EXPECT_NEAR(std::fabs(az), 180.0, 1e-9);
}

}  // namespace

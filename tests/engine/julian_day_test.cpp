#include "engine/julian_day.h"

#include <gtest/gtest.h>

TEST(JulianDay, TwoThousandNoonUtIsTheEpoch) {
  EXPECT_DOUBLE_EQ(JD(2000, 1, 1, 12, 0), 2451545.0);
}

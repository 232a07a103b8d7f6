#include "events/event_line.h"

#include <gtest/gtest.h>

#include "engine/julian_day.h"
#include "events/event_lists.h"

namespace {

// Julian day of a Japan Standard Time instant.
double jst(double y, double m, double d, double hh, double mm, double ss) {
  return JD(y, m, d, hh + mm / 60 + ss / 3600, 135.0);
}

struct LineCase {
  double jd;
  const char* line;
};

class EventLineFormat : public testing::TestWithParam<LineCase> {};

TEST_P(EventLineFormat, Reads) { EXPECT_EQ(Event_line("新月", GetParam().jd), GetParam().line); }

INSTANTIATE_TEST_SUITE_P(
    Fields, EventLineFormat,
    testing::Values(
        // The first new moon of 2000: h = 3.165314, S = 55.13.
        LineCase{2451550.256888, " 新月 2000/ 1/ 7 03:09:55"},
        LineCase{jst(0, 5, 3, 1, 2, 3.3), " 新月    0/ 5/ 3 01:02:03"},
        LineCase{jst(-666, 11, 30, 14, 25, 7.7), " 新月 -666/11/30 14:25:08"},
        LineCase{jst(2000, 1, 7, 3, 9, 59.4), " 新月 2000/ 1/ 7 03:09:59"},
        // Seconds that round to 60 carry into the minutes, hours and date.
        LineCase{jst(2000, 1, 7, 3, 9, 59.6), " 新月 2000/ 1/ 7 03:10:00"},
        LineCase{jst(2000, 1, 7, 3, 59, 59.6), " 新月 2000/ 1/ 7 04:00:00"},
        LineCase{jst(2000, 12, 31, 23, 59, 59.6), " 新月 2001/ 1/ 1 00:00:00"},
        LineCase{jst(-1, 12, 31, 23, 59, 59.6), " 新月    0/ 1/ 1 00:00:00"},
        LineCase{jst(2000, 2, 28, 23, 59, 59.6), " 新月 2000/ 2/29 00:00:00"},
        LineCase{jst(1582, 10, 4, 23, 59, 59.6), " 新月 1582/10/15 00:00:00"}));

TEST(EventLine, IsAtMost25Bytes) {
  EXPECT_EQ(Event_line("満月", jst(-666, 12, 31, 23, 59, 1.2)).size(), 25u);
  EXPECT_EQ(Event_line("満月", jst(2050, 12, 31, 23, 59, 1.2)).size(), 25u);
}

TEST(ListLines, Phases2000) {
  const std::vector<std::string> lines = Phase_list_lines(2000);
  ASSERT_EQ(lines.size(), 1u + 58u);
  EXPECT_EQ(lines[0], "月のこよみ");
  EXPECT_EQ(lines[1], " 新月 2000/ 1/ 7 03:09:55");
  EXPECT_EQ(lines[2], " 上弦 2000/ 1/14 22:36:34");
  EXPECT_EQ(lines[3], " 満月 2000/ 1/21 13:39:26");
  EXPECT_EQ(lines[58], " 上弦 2001/ 3/ 3 10:58:35");
}

TEST(ListLines, Terms2000) {
  const std::vector<std::string> lines = Term_list_lines(2000);
  ASSERT_EQ(lines.size(), 1u + 29u);
  EXPECT_EQ(lines[0], "二十四節季");
  EXPECT_EQ(lines[1], " 小寒 2000/ 1/ 6 09:51:51");
  EXPECT_EQ(lines[2], " 大寒 2000/ 1/21 03:14:27");
  EXPECT_EQ(lines[29], " 啓蟄 2001/ 3/ 5 21:21:43");
}

}  // namespace

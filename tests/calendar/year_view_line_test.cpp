// The day's names and the year-view line, byte for byte in Shift_JIS.
#include <gtest/gtest.h>

#include <string>

#include "calendar/day_attributes.h"
#include "calendar/tables/name_tables.h"
#include "calendar/year_view_line.h"
#include "engine/julian_day.h"
#include "labels_for_date.h"

namespace {

std::string line_for(int year, int month, int day) {
  const tagKyuurekiDate date = Kyuureki_Search(year, month, day);
  return Wareki_Line_Text(year, date, History_Search(Kyuureki_View_Year(date, year), year, date.day_value));
}

double day_value(int year, int month, int day) { return JD(year, month, day, 12, 135); }

TEST(DayAttributes, J2000IsSaturdayTsuchinoeUmaInTheMansionI) {
  const double d = day_value(2000, 1, 1);  // day number 2451545
  EXPECT_STREQ(week_j[Weekday_Index(d)], "土");
  EXPECT_STREQ(_10kan[Day_Kan_Index(d)], "戊");
  EXPECT_STREQ(_12shi[Day_Shi_Index(d)], "午");
  EXPECT_STREQ(_28shuku[Shuku_Index(d)], "胃");
}

// The day rules are the day number's residues: weekday (J + 1) mod 7, stem
// (J - 1) mod 10, branch (J + 1) mod 12, mansion (J + 12) mod 28.
TEST(DayAttributes, FollowTheDayNumberAcrossTheWholeRange) {
  const long first = 1477802;  // -666-01-01
  for (long j = first; j < first + 992'500; ++j) {
    const double d = j - 0.375;
    ASSERT_EQ(Weekday_Index(d), (j + 1) % 7) << j;
    ASSERT_EQ(Day_Kan_Index(d), (j - 1) % 10) << j;
    ASSERT_EQ(Day_Shi_Index(d), (j + 1) % 12) << j;
    ASSERT_EQ(Shuku_Index(d), (j + 12) % 28) << j;  // never 28
  }
}

// Far outside the almanac's years the indices still name an entry.
TEST(DayAttributes, IndicesStayInsideTheirTables) {
  for (double year : {-5001.0, -5007.0, -12345.0}) {
    EXPECT_GE(Year_Kan_Index(year), 0);
    EXPECT_LT(Year_Kan_Index(year), 10);
    EXPECT_GE(Year_Shi_Index(year), 0);
    EXPECT_LT(Year_Shi_Index(year), 12);
  }
  EXPECT_EQ(Year_Kan_Index(-5006), 0);  // the cycle carries on below zero
  EXPECT_EQ(Weekday_Index(-2.375), 6);  // day number -2: (J + 1) mod 7
}

TEST(DayAttributes, RokuyouStartsEachMonthOneFurtherOn) {
  EXPECT_STREQ(_6you[Rokuyou_Index(1, 1)], "先勝");
  EXPECT_STREQ(_6you[Rokuyou_Index(2, 1)], "友引");  // also the leap second month
  EXPECT_STREQ(_6you[Rokuyou_Index(12, 1)], "赤口");
  EXPECT_STREQ(_6you[Rokuyou_Index(11, 25)], "大安");
}

struct YearName {
  int year;
  const char* kan;
  const char* shi;
};

class YearStemBranch : public testing::TestWithParam<YearName> {};

TEST_P(YearStemBranch, ComesFromTheCivilYear) {
  const YearName& c = GetParam();
  EXPECT_STREQ(_10kan[Year_Kan_Index(c.year)], c.kan) << c.year;
  EXPECT_STREQ(_12shi[Year_Shi_Index(c.year)], c.shi) << c.year;
}

INSTANTIATE_TEST_SUITE_P(Years, YearStemBranch,
                         testing::Values(YearName{4, "甲", "子"}, YearName{1984, "甲", "子"},
                                         YearName{2000, "庚", "辰"}, YearName{-666, "甲", "寅"},
                                         YearName{0, "庚", "申"}, YearName{2050, "庚", "午"}));

TEST(WarekiLine, TheWorkedExampleOf2000_01_01) {
  const std::string line = line_for(2000, 1, 1);
  // Field by field: era, era year, year name, emperor, reign year, leap mark,
  // month, day, weekday, rokuyou, day name, mansion.
  const std::string expected = std::string("      平成") + " " + "  11" + "  " + " 庚辰" + " " +
                               "      明仁" + " " + "  11" + " " + " 　" + " 11" + "  " + "  25" +
                               " " + "   土" + "  " + " 大安" + " " + " 戊午" + " " + "   胃";
  EXPECT_EQ(line, expected);
  EXPECT_EQ(line.size(), 76u);
  EXPECT_STREQ(m_uruu1, "\x81\x40");  // the ideographic space
  EXPECT_STREQ(m_tsuki1, "11");
  EXPECT_STREQ(m_hi1, "25");
  EXPECT_STREQ(m_youbi1, "土");
  EXPECT_STREQ(m_rokuyou1, "大安");
  EXPECT_STREQ(m_kanshi11, "戊午");
  EXPECT_STREQ(m_28shuku1, "胃");
  EXPECT_STREQ(m_nen_kanshi, "庚辰");
}

TEST(WarekiLine, ALeapMonthIsMarked) {
  line_for(2023, 3, 22);
  EXPECT_STREQ(m_uruu1, "閏");
  EXPECT_STREQ(m_tsuki1, "2");
  EXPECT_STREQ(m_hi1, "1");
  EXPECT_STREQ(m_rokuyou1, "友引");
}

TEST(WarekiLine, NewYearsDayOf2024) {
  const std::string line = line_for(2024, 2, 10);
  EXPECT_STREQ(m_rokuyou1, "先勝");
  EXPECT_STREQ(m_kanshi11, "甲辰");
  EXPECT_STREQ(m_nen_kanshi, "甲辰");
  EXPECT_EQ(line.size(), 76u);
}

// Tennou3's 16-byte name overflows both ten-byte fields and is printed whole.
TEST(WarekiLine, TheLongestLineIs88Bytes) {
  const std::string line = line_for(-666, 3, 1);
  const std::string name = "(神武即位前天皇)";
  EXPECT_EQ(line.size(), 88u);
  EXPECT_EQ(line.substr(0, 16), name);
  EXPECT_EQ(line.substr(16, 7), "    1  ");
  EXPECT_EQ(line.substr(23, 5), " 甲寅");
  EXPECT_EQ(line.substr(28, 1 + 16), " " + name);
  EXPECT_EQ(line.substr(45, 5), "    1");
}

TEST(WarekiLine, EmptyLabelsLeaveTheirWidthsInSpaces) {
  const std::string line = line_for(2045, 5, 5);
  EXPECT_EQ(line.substr(0, 18), std::string(18, ' '));
  EXPECT_EQ(line.substr(18, 4), "乙丑");
  EXPECT_EQ(line.substr(22, 18), std::string(18, ' '));
  EXPECT_EQ(line.substr(40, 2), "　");
  EXPECT_EQ(line.size(), 76u);
}

TEST(WarekiLine, ReiwaFromItsFirstDay) {
  EXPECT_EQ(line_for(2019, 5, 1).substr(0, 38), "      令和    1   己亥       今上    1");
  EXPECT_EQ(line_for(2019, 4, 30).substr(0, 38), "      平成   31   己亥       明仁   31");
  EXPECT_EQ(line_for(2041, 6, 1).substr(0, 38), "      令和   23   辛酉       今上   23");
}

// Before the month table there is no lunar month: the line keeps its era,
// emperor and the day's names, with the lunar fields blank.
TEST(WarekiLine, BeforeTheMonthTableTheLunarFieldsAreBlank) {
  const std::string line = line_for(-666, 1, 1);
  const double d = day_value(-666, 1, 1);
  const std::string name = "(神武即位前天皇)";
  // Blank fields keep their widths: "%3s%3s" of the leap mark and month,
  // "%4s" of the day and "%5s" of the rokuyou.
  const std::string expected = name + " " + "   1" + "  " + " 甲寅" + " " + name + " " + "   1" + " " +
                               "   " + "   " + "  " + "    " + " " + "   " + week_j[Weekday_Index(d)] +
                               "  " + "     " + " " + " " + _10kan[Day_Kan_Index(d)] +
                               _12shi[Day_Shi_Index(d)] + " " + "   " + _28shuku[Shuku_Index(d)];
  EXPECT_EQ(line, expected);
  EXPECT_EQ(line.size(), 88u);
  EXPECT_STREQ(m_uruu1, "");
  EXPECT_STREQ(m_tsuki1, "");
  EXPECT_STREQ(m_hi1, "");
  EXPECT_STREQ(m_rokuyou1, "");
}

// A day past the end of February reads as the day it runs on to.
TEST(WarekiLine, FebruaryThirtyFirstIsTheThirdOfMarch) {
  EXPECT_EQ(line_for(2033, 2, 31), line_for(2033, 3, 3));
  EXPECT_STREQ(m_tsuki1, "2");
  EXPECT_STREQ(m_hi1, "3");
  EXPECT_EQ(line_for(2023, 2, 31), line_for(2023, 3, 3));
  EXPECT_STREQ(m_hi1, "12");
}

}  // namespace

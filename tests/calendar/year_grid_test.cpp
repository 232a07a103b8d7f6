// The year grid of a lunar year: month labels, one cell per day with its
// stem and branch, civil date and marks, and the markers behind the colours.
// Marks are checked against the phases and terms of Tsuki and Sekki24.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "calendar/kyuureki.h"
#include "calendar/year_grid.h"
#include "engine/julian_day.h"
#include "events/event_tables.h"

namespace {

constexpr int kSpan = 430;

struct tagCivil {
  double year, month, day;
};

class YearGridTest : public ::testing::Test {
 protected:
  // Fills the grid as the year view does for `view_year`.
  void show_lunar_year(int view_year) {
    first = Kyuureki_Newyear(view_year, -1);
    ASSERT_GE(first, 0);
    moons = Moon_year_Cal0(view_year, kSpan);
    terms = Sun_year_Cal0(view_year, kSpan);
    Year_Grid_Clear_Days();
    Year_Grid_Fill(first, moons, terms);
  }

  static std::string cell(int column, int row) { return nichiji[column][row]; }

  // The civil date of day j of grid row k.
  tagCivil date_of(int j, int k) const {
    tagCivil c{};
    double hour = 0;
    Calendar(Kyuureki_first_day[first + k - 1] - 0.375 + j - 1, &c.year, &c.month, &c.day, &hour, 1, 135);
    return c;
  }

  // The marker the day should carry, from every record of both tables.
  int expected_marker(const tagCivil& c) const {
    auto on = [&](const tagEvent& e) { return e.year == c.year && e.month == c.month && e.day == c.day; };
    bool full = false, new_moon = false, term = false;
    for (int i = 0; i < moons; ++i) {
      if (!on(Tsuki[i])) continue;
      full = full || Tsuki[i].angle == 180;
      new_moon = new_moon || Tsuki[i].angle == 0;
    }
    for (int i = 0; i < terms; ++i) term = term || (on(Sekki24[i]) && std::fmod(Sekki24[i].angle, 30) == 0);
    return term ? 24 : full ? 15 : new_moon ? 1 : 0;
  }

  // The (column, row) of the cell showing the civil date, or (0, 0).
  std::pair<int, int> find_day(const tagCivil& wanted) const {
    for (int k = 1; k <= 13; ++k)
      for (int j = 1; j <= 30 && nichiji[0][k][0] != '\0'; ++j) {
        if (cell(j, k).size() < 17) continue;  // blank cell 30
        const tagCivil c = date_of(j, k);
        if (c.year == wanted.year && c.month == wanted.month && c.day == wanted.day) return {j, k};
      }
    return {0, 0};
  }

  int first = -1;
  int moons = 0;
  int terms = 0;
};

TEST_F(YearGridTest, Year2023HasThirteenMonthsWithALeapSecond) {
  show_lunar_year(2023);
  const char* const labels[] = {"", "　 1", "　 2", "閏 2", "　 3", "　 4", "　 5", "　 6",
                                "　 7", "　 8", "　 9", "　10", "　11", "　12"};
  for (int k = 1; k <= 13; ++k) EXPECT_EQ(cell(0, k), labels[k]) << "row " << k;

  // Lunar New Year 2023-01-22 is a new moon.
  EXPECT_EQ(cell(1, 1), "      庚辰 1 22●");
  EXPECT_EQ(day_flag[1][1], 1);
  EXPECT_EQ(expected_marker({2023, 1, 22}), 1);
  // The twelfth month begins 2024-01-11, the day of its new moon.
  EXPECT_EQ(cell(1, 13), "      甲戌 1 11●");
  EXPECT_EQ(day_flag[1][13], 1);
}

TEST_F(YearGridTest, Year2024HasTwelveMonthsAndAShortFirstMonth) {
  show_lunar_year(2023);  // leaves a thirteenth month behind
  show_lunar_year(2024);
  EXPECT_EQ(cell(1, 1), "      甲辰 2 10●");
  EXPECT_EQ(day_flag[1][1], 1);
  EXPECT_EQ(Kyuureki_Month_Length(first), 29);
  EXPECT_EQ(cell(29, 1), "      壬申 3  9");
  EXPECT_EQ(cell(30, 1), "       ");
  EXPECT_EQ(day_flag[30][1], 0);
  for (int c = 0; c <= 31; ++c) EXPECT_EQ(cell(c, 13), "") << "column " << c;
  EXPECT_EQ(cell(0, 12), "　12");
}

TEST_F(YearGridTest, HeaderRowNumbersTheDaysAndColumn31StaysEmpty) {
  show_lunar_year(2023);
  EXPECT_EQ(cell(0, 0), "");
  EXPECT_EQ(cell(1, 0), " 1");
  EXPECT_EQ(cell(9, 0), " 9");
  EXPECT_EQ(cell(10, 0), "10");
  EXPECT_EQ(cell(30, 0), "30");
  for (int r = 0; r <= 13; ++r) EXPECT_EQ(cell(31, r), "") << "row " << r;
}

// 2023-04-20: new moon and 穀雨 on the first day of the third month, which
// follows the leap second month of 29 days. 2008-04-20: full moon and 穀雨.
TEST_F(YearGridTest, MoonAndMiddleTermOnOneDayShowBothMarksAndTheTermWins) {
  struct Case {
    int view_year;
    tagCivil date;
    const char* ending;
  };
  for (const Case& c : {Case{2023, {2023, 4, 20}, " 4 20●*"}, Case{2008, {2008, 4, 20}, " 4 20○*"}}) {
    SCOPED_TRACE(c.view_year);
    show_lunar_year(c.view_year);
    const auto [j, k] = find_day(c.date);
    ASSERT_GT(k, 0);
    const std::string text = cell(j, k);
    EXPECT_EQ(text.substr(text.size() - std::strlen(c.ending)), c.ending);
    EXPECT_EQ(text.size(), 18u);
    EXPECT_EQ(day_flag[j][k], 24);
  }
  show_lunar_year(2023);
  EXPECT_EQ(find_day({2023, 4, 20}), std::make_pair(1, 4));
  EXPECT_EQ(Kyuureki_Month_Length(first + 2), 29);  // the leap second month
}

// Every day of the grid against both whole tables: the running starts of the
// scans must never skip an event a later day needs.
TEST_F(YearGridTest, EveryMarkAgreesWithTheEventTables) {
  for (const int year : {-666, -1, 0, 1582, 1583, 1844, 1873, 2014, 2023, 2024, 2033, 2050}) {
    SCOPED_TRACE(year);
    show_lunar_year(year);
    const int rows = nichiji[0][13][0] != '\0' ? 13 : 12;
    for (int k = 1; k <= rows; ++k) {
      const int length = Kyuureki_Month_Length(first + k - 1);
      for (int j = 1; j <= length; ++j) {
        const tagCivil c = date_of(j, k);
        const std::string text = cell(j, k);
        ASSERT_LE(text.size(), 18u);
        char date_text[8];
        std::snprintf(date_text, sizeof date_text, "%2.0f %2.0f", c.month, c.day);
        EXPECT_EQ(text.substr(0, 6), "      ");
        EXPECT_EQ(text.substr(10, 5), date_text) << "row " << k << " day " << j;
        const int marker = expected_marker(c);
        EXPECT_EQ(day_flag[j][k], marker) << "row " << k << " day " << j;
        const std::string marks = text.substr(15);
        const bool moon_mark = marks.starts_with("●") || marks.starts_with("○");
        EXPECT_EQ(marks.ends_with("*"), marker == 24);
        if (marker == 1) { EXPECT_EQ(marks, "●"); }
        if (marker == 15) { EXPECT_EQ(marks, "○"); }
        if (marker == 0) { EXPECT_EQ(marks, ""); }
        if (marker == 24) { EXPECT_EQ(marks.size(), moon_mark ? 3u : 1u); }
      }
    }
  }
}

// The last lunar year reaches the table's last month, which counts 30 days.
TEST_F(YearGridTest, Year2050EndsWithTheTablesLastMonth) {
  show_lunar_year(2050);
  EXPECT_EQ(first + 12, kKyuurekiCount - 1);
  EXPECT_EQ(cell(0, 13), "　12");
  EXPECT_EQ(cell(1, 13).substr(10, 5), " 1 13");
  EXPECT_EQ(cell(30, 13).substr(10, 5), " 2 11");
}

TEST_F(YearGridTest, MonthsPastTheTableAreLeftEmpty) {
  show_lunar_year(2050);
  Year_Grid_Fill(kKyuurekiCount - 2, moons, terms);
  EXPECT_EQ(cell(0, 2), "　12");
  for (int k = 3; k <= 13; ++k) {
    EXPECT_EQ(cell(0, k), "") << "row " << k;
    EXPECT_EQ(cell(1, k), "") << "row " << k;
  }
}

TEST_F(YearGridTest, EmptyGridHasNoTextAndNoMarker) {
  show_lunar_year(2023);
  Year_Grid_Empty();
  for (int r = 0; r <= 13; ++r)
    for (int c = 0; c <= 31; ++c) {
      ASSERT_EQ(cell(c, r), "") << c << "," << r;
      ASSERT_EQ(day_flag[c][r], 0) << c << "," << r;
    }
}

}  // namespace

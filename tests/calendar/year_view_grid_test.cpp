// The year view chooses the lunar year of its grid from the selected date:
// the year in which the date's lunar month began, which need not contain it.
#include <gtest/gtest.h>

#include <string>

#include "app/selected_date.h"
#include "app/widgets.h"
#include "calendar/year_grid.h"
#include "calendar/year_view.h"
#include "calendar/year_view_line.h"
#include "support/year_view_list.h"

namespace {

class YearViewGridTest : public YearViewListTest {
 protected:
  // Month and day of the first day of the grid's first month.
  static std::string new_year_day() { return std::string(nichiji[1][1]).substr(10, 5); }
};

TEST_F(YearViewGridTest, GridShowsTheLunarYearThatBeginsInTheViewYear) {
  struct Case {
    double year, month, day;
    const char* new_year;
    bool thirteen_months;
  };
  const Case cases[] = {
      {2024, 1, 20, " 2 10", false},  // in the month begun 2024-01-11: view year 2024
      {2024, 1, 5, " 1 22", true},    // in the month begun 2023-12-13: view year 2023
      {2023, 4, 19, " 1 22", true},
      {2024, 2, 10, " 2 10", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    show(c.year, c.month, c.day);
    EXPECT_EQ(new_year_day(), c.new_year);
    EXPECT_EQ(nichiji[0][13][0] != '\0', c.thirteen_months);
  }
  // The marks come from the view year's own tables, not from year_g's.
  show(2024, 1, 5);
  EXPECT_EQ(day_flag[1][1], 1);
  EXPECT_STREQ(nichiji[1][1], "      庚辰 1 22●");
}

// -666-01-01 to -666-02-05 lie before the first month of the table: the line
// keeps what it can name, and the grid shows no lunar year at all.
TEST_F(YearViewGridTest, DateBeforeTheFirstMonthHasAnEmptyGrid) {
  show(2023, 4, 19);
  show(-666, 2, 5);
  ASSERT_EQ(list().itemCount(), 1);
  EXPECT_STREQ(m_tsuki1, "");
  EXPECT_STRNE(m_youbi1, "");
  EXPECT_STRNE(m_kanshi11, "");
  for (int r = 0; r <= 13; ++r)
    for (int c = 0; c <= 31; ++c) ASSERT_STREQ(nichiji[c][r], "") << c << "," << r;

  // The next day is the first of the table: the lunar year -666.
  show(-666, 2, 6);
  EXPECT_STREQ(m_tsuki1, "1");
  EXPECT_EQ(new_year_day(), " 2  6");
  EXPECT_STREQ(nichiji[0][1], "　 1");
}

}  // namespace

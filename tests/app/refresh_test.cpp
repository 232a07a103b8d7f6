// Both procedures end to end on the real window: what the lists, the
// year-view line, the grid tables and the drawing show after a press of the
// button and after the next run of draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"
#include "calendar/year_grid.h"
#include "calendar/year_view_line.h"
#include "events/event_lists.h"
#include "events/event_tables.h"
#include "grid_screen.h"

namespace {

std::vector<std::string> items(const WSClist* list) {
  std::vector<std::string> lines;
  for (long i = 0; i < list->itemCount(); ++i) lines.push_back(list->itemText(i));
  return lines;
}

std::vector<std::string> expected_line(double year, double month, double day) {
  const tagKyuurekiDate date = Kyuureki_Search(year, month, day);
  const tagWarekiLabels labels = History_Search(Kyuureki_View_Year(date, year), year, date.day_value);
  return {Wareki_Line_Text(year, date, labels)};
}

class RefreshTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { show_main_window_on_grid_today(); }

  // Every view shows the year's lists and the date's line.
  static void expect_views_of(double year, double month, double day) {
    EXPECT_EQ(year_g, year);
    EXPECT_EQ(month_g, month);
    EXPECT_EQ(day_g, day);
    EXPECT_EQ(items(newlist_001), Term_list_lines(year));
    EXPECT_EQ(items(newlist_002), Phase_list_lines(year));
    EXPECT_EQ(items(newlist_000), expected_line(year, month, day));
  }

  static bool area_is_blank() { return marked_count(newvdra_001->image(), {0, 0, 985, 434}) == 0; }
};

// Type 2023, 4, 19 and press "和暦表示": the lists and the line change at
// once; the grid is filled but drawn only at the next run of draw.
TEST_F(RefreshTest, OneRequestFromEntryToTheGrid) {
  type_date(u8"2026", u8"12", u8"11");
  redraw_area();
  ASSERT_TRUE(shows_text(0, 5, 100, "#0000ff", " 2026年和暦表示"));

  type_date(u8"2023", u8"4", u8"19");
  probe_click(newvbtn_004);
  expect_views_of(2023, 4, 19);
  EXPECT_STREQ(m_uruu1, "閏");  // day 29 of the leap second month
  EXPECT_STREQ(m_tsuki1, "2");
  EXPECT_STREQ(m_hi1, "29");
  EXPECT_STREQ(nichiji[1][1], "      庚辰 1 22●");
  EXPECT_STREQ(nichiji[0][13], "　12");
  EXPECT_TRUE(area_is_blank());  // the year view blanked it; no grid drawn yet

  // The timer's next tick redraws.
  timerHandler(20, newvdra_001);
  probe_process_events();
  expect_views_of(2023, 4, 19);
  EXPECT_TRUE(shows_text(0, 5, 100, "#0000ff", " 2023年和暦表示"));
  EXPECT_GT(ink_count(newvdra_001->image(), day_cell(1, 1), kInkGreen), 10);
}

// Year 3000 is refused: the press keeps the year and takes month and day;
// the next draw starts from today and shows the current year.
TEST_F(RefreshTest, ButtonWithYear3000KeepsTheYearUntilTheNextDraw) {
  type_date(u8"2023", u8"4", u8"19");
  probe_click(newvbtn_004);
  type_date(u8"3000", u8"5", u8"10");
  probe_click(newvbtn_004);
  expect_views_of(2023, 5, 10);
  EXPECT_STREQ(m_tsuki1, "3");
  EXPECT_STREQ(m_hi1, "21");
  EXPECT_STREQ(nichiji[1][1], "      庚辰 1 22●");

  redraw_area();
  expect_views_of(2026, 5, 10);
  EXPECT_STREQ(nichiji[1][1], "      壬戌 2 17●");
  EXPECT_STREQ(nichiji[0][13], "");
  EXPECT_TRUE(shows_text(0, 5, 100, "#0000ff", " 2026年和暦表示"));
}

// 2024-01-05 lies in the twelfth month of the lunar year 2023: the lists are
// built for 2024, then the year view builds the tables again for 2023. Both
// procedures leave 2023's tables, so the year view ran after the lists.
TEST_F(RefreshTest, BothProceduresRunTheListsThenTheYearView) {
  type_date(u8"2024", u8"1", u8"5");
  probe_click(newvbtn_004);
  // Looked at first: the expected lists below build the tables again.
  EXPECT_EQ(Tsuki[0].year, 2023);
  EXPECT_EQ(Sekki24[0].year, 2023);
  expect_views_of(2024, 1, 5);
  EXPECT_TRUE(area_is_blank());

  redraw_area();
  EXPECT_EQ(Tsuki[0].year, 2023);
  EXPECT_EQ(Sekki24[0].year, 2023);
  expect_views_of(2024, 1, 5);
  // draw ends with the grid, of the lunar year that began 2023-01-22.
  EXPECT_FALSE(area_is_blank());
  EXPECT_TRUE(shows_text(0, 5, 100, "#0000ff", " 2024年和暦表示"));
  EXPECT_TRUE(shows_text(10 + 36, 33, 72, "#00ff00", "庚辰 1 22●"));
}

}  // namespace

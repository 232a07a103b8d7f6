// The year grid as it appears in the drawing area after draw: the colour of
// every cell's ink by its marker, the title, calendar system and legend, the
// background where nothing is drawn, and texts that stay whole and visible.
#include <gtest/gtest.h>

#include "app/grid_drawing.h"
#include "calendar/year_grid.h"
#include "grid_screen.h"

namespace {

class GridDrawingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { show_main_window_on_grid_today(); }

  static void show(const char8_t* year, const char8_t* month, const char8_t* day) {
    type_date(year, month, day);
    redraw_area();
  }

  static const QImage& area() { return newvdra_001->image(); }
};

QRgb ink_of(std::int32_t marker) {
  switch (marker) {
    case 1: return kInkGreen;
    case 15: return kInkBlue;
    case 24: return kInkRed;
    default: return kInkBlack;
  }
}

// Every cell of 2023 (thirteen months) in the colour of its marker and no
// other; a blank cell shows nothing.
TEST_F(GridDrawingTest, EachCellIsInkedInTheColourOfItsMarker) {
  show(u8"2023", u8"4", u8"19");
  ASSERT_STREQ(nichiji[0][13], "　12");
  ASSERT_EQ(day_flag[1][1], 1);   // 2023-01-22: new moon
  ASSERT_EQ(day_flag[1][4], 24);  // 2023-04-20: new moon and 穀雨
  int coloured[4] = {};
  for (int k = 1; k <= 13; ++k)
    for (int d = 1; d <= 30; ++d) {
      SCOPED_TRACE(::testing::Message() << "month column " << k << " day " << d);
      const GridRect cell = day_cell(d, k);
      if (std::string(nichiji[d][k]).find_first_not_of(' ') == std::string::npos) {
        EXPECT_EQ(marked_count(area(), cell), 0);
        continue;
      }
      const QRgb wanted = ink_of(day_flag[d][k]);
      EXPECT_GT(ink_count(area(), cell, wanted), 10);
      EXPECT_EQ(foreign_count(area(), cell, wanted), 0);
      ++coloured[wanted == kInkGreen ? 1 : wanted == kInkBlue ? 2 : wanted == kInkRed ? 3 : 0];
    }
  // Thirteen new moons less those on a term day; about thirteen full moons.
  EXPECT_GE(coloured[1], 10);
  EXPECT_GE(coloured[2], 10);
  EXPECT_GE(coloured[3], 12);
}

TEST_F(GridDrawingTest, TitleSystemAndLegendOnTheirLine) {
  show(u8"2023", u8"4", u8"19");
  EXPECT_TRUE(shows_text(0, 5, 100, "#0000ff", " 2023年和暦表示"));
  EXPECT_GT(ink_count(area(), {0, 5, 90, 18}, kInkBlue), 20);
  EXPECT_EQ(foreign_count(area(), {0, 5, 90, 18}, kInkBlue), 0);
  EXPECT_TRUE(shows_text(150, 5, 100, "#0000ff", "グレゴリオ暦"));
  EXPECT_TRUE(shows_text(250, 5, 100, "#00ff00", "● 印　朔日"));
  EXPECT_TRUE(shows_text(350, 5, 150, "#ff0000", "* 印　二十四節季中"));
  EXPECT_TRUE(shows_text(500, 5, 100, "#0000ff", "○ 印　満月"));
  EXPECT_TRUE(shows_text(10, 20, 12, "#0000ff", "日"));
  EXPECT_TRUE(shows_text(40, 20, 72, "#0000ff", "    　 1月"));
  EXPECT_TRUE(shows_text(40 + 72 * 2, 20, 72, "#0000ff", "    閏 2月"));
  EXPECT_TRUE(shows_text(40 + 72 * 12, 20, 72, "#0000ff", "    　12月"));
}

TEST_F(GridDrawingTest, BackgroundWhereNothingIsDrawn) {
  show(u8"2024", u8"6", u8"1");
  const QImage& img = area();
  ASSERT_GE(img.width(), 985);
  ASSERT_GE(img.height(), 434);
  // Days 31 to 38 are empty, and the thirteenth column of a year of twelve
  // months (right of the twelfth column's marks).
  EXPECT_EQ(marked_count(img, {0, 20 + 13 * 31, 985, 434}), 0);
  EXPECT_EQ(marked_count(img, {10 + 72 * 11 + 108, 20, 985, 434}), 0);
  EXPECT_EQ(marked_count(img, {222, 0, 250, 20}), 0);  // between the system and the legend
  EXPECT_EQ(img.pixel(0, 0), kGridBackground);
  EXPECT_EQ(img.pixel(984, 433), kGridBackground);
}

// The day labels share their place with the leading blanks of the first
// month's cells, drawn after them: blanks must paint nothing.
TEST_F(GridDrawingTest, DayLabelsStayVisibleUnderTheFirstColumn) {
  show(u8"2023", u8"4", u8"19");
  for (int d = 1; d <= 30; ++d) {
    SCOPED_TRACE(d);
    char label[4];
    std::snprintf(label, sizeof label, "%2d", d);
    EXPECT_TRUE(shows_text(10, 20 + 13 * d, 36, "#0000ff", label));
  }
}

// "●*" ends 108 pixels after the cell's x, past its 100-wide box.
TEST_F(GridDrawingTest, MarksAtTheEndOfACellShowWhole) {
  show(u8"2023", u8"4", u8"19");
  ASSERT_STREQ(nichiji[1][4] + 15, "●*");
  const int x = 10 + 72 * 3;
  const int y = 20 + 13 * 1;
  EXPECT_GT(ink_count(area(), {x + 90, y, x + 102, y + 13}, kInkRed), 10);  // ●
  EXPECT_GT(marked_count(area(), {x + 102, y, x + 108, y + 13}), 5);         // *
  EXPECT_EQ(foreign_count(area(), {x + 90, y, x + 108, y + 13}, kInkRed), 0);
  EXPECT_TRUE(shows_text(x + 36, y, 72, "#ff0000", "戊申 4 20●*"));
}

// The thirteenth column is the last on screen: its widest cell, "●*" on
// 2015-01-20 (new moon and 大寒 on the first day of the twelfth month of the
// lunar year 2014), must still fit inside the drawing area.
TEST_F(GridDrawingTest, MarksOfTheThirteenthColumnFitTheArea) {
  show(u8"2014", u8"6", u8"1");
  ASSERT_STREQ(nichiji[0][13], "　12");
  ASSERT_STREQ(nichiji[1][13] + 15, "●*");
  const int x = 10 + 72 * 12;
  const int y = 20 + 13 * 1;
  ASSERT_LE(x + 108, area().width());
  EXPECT_GT(ink_count(area(), {x + 90, y, x + 102, y + 13}, kInkRed), 10);  // ●
  EXPECT_GT(marked_count(area(), {x + 102, y, x + 108, y + 13}), 5);         // *
}

// A year of twelve months draws twelve columns, whatever the thirteenth row
// of the tables still holds besides its empty label.
TEST_F(GridDrawingTest, ThirteenthColumnOnlyWithAThirteenthLabel) {
  show(u8"2023", u8"4", u8"19");
  EXPECT_GT(marked_count(area(), {10 + 72 * 11 + 108, 33, 985, 33 + 13 * 29}), 500);

  show(u8"2024", u8"6", u8"1");
  ASSERT_STREQ(nichiji[0][13], "");
  for (int d = 1; d <= 30; ++d) {
    std::snprintf(nichiji[d][13], sizeof nichiji[d][13], "      甲子 1 %2d●", d);
    day_flag[d][13] = 1;
  }
  Disp_Calendar(newvdra_001);
  EXPECT_EQ(marked_count(area(), {10 + 72 * 11 + 108, 20, 985, 434}), 0);
}

TEST_F(GridDrawingTest, CalendarSystemAndTitleFollowTheYear) {
  struct Case {
    const char8_t* year;
    const char* title;
    const char* system;
  };
  const Case cases[] = {
      {u8"1582", " 1582年和暦表示", "ユリウス暦"},
      {u8"1583", " 1583年和暦表示", "グレゴリオ暦"},
      {u8"-666", " -666年和暦表示", "ユリウス暦"},
      {u8"5", "    5年和暦表示", "ユリウス暦"},
      {u8"2050", " 2050年和暦表示", "グレゴリオ暦"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.year));
    show(c.year, u8"6", u8"1");
    EXPECT_TRUE(shows_text(0, 5, 100, "#0000ff", c.title));
    EXPECT_TRUE(shows_text(150, 5, 100, "#0000ff", c.system));
  }
}

// -666-01-01 lies before the first lunar month: the title line is drawn and
// the grid below it is empty.
TEST_F(GridDrawingTest, DateBeforeTheFirstMonthDrawsOnlyTheTitleLine) {
  show(u8"-666", u8"1", u8"1");
  EXPECT_TRUE(shows_text(0, 5, 100, "#0000ff", " -666年和暦表示"));
  EXPECT_TRUE(shows_text(250, 5, 100, "#00ff00", "● 印　朔日"));
  EXPECT_TRUE(shows_text(10, 20, 12, "#0000ff", "日"));
  EXPECT_EQ(marked_count(area(), {24, 20, 985, 434}), 0);
  EXPECT_EQ(marked_count(area(), {0, 33, 985, 434}), 0);
}

}  // namespace

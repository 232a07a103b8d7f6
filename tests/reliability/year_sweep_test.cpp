// Every year from -666 to 2050 through both year tables and their lists and
// through the year view (line, month lookup and the whole grid) and the
// grid's drawing; then the dates at the edges of what the date entry accepts,
// fractions included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/grid_drawing.h"
#include "app/grid_layout.h"
#include "app/selected_date.h"
#include "calendar/year_grid.h"
#include "calendar/year_view.h"
#include "events/event_lists.h"
#include "events/event_tables.h"
#include "text_checks.h"
#include "support/year_view_list.h"

namespace {

constexpr int kFirstYear = -666;
constexpr int kLastYear = 2050;
constexpr std::size_t kCellBytes = 18;     // a grid text before its NUL
constexpr std::size_t kLineBuffer = 112;   // the year-view line and its NUL
constexpr std::size_t kListLineBytes = 25; // name, date and time to the second
constexpr int kWrittenRows = 14;           // the header and 13 months
constexpr int kWrittenColumns = 32;        // labels, 30 days and an empty 31
constexpr int kYearMonths = 12;            // at least, in every lunar year

bool ends_with(const char* text, const char* tail) {
  const std::size_t n = std::strlen(text), m = std::strlen(tail);
  return n >= m && std::memcmp(text + n - m, tail, m) == 0;
}

// The marker a day cell's marks stand for: a middle term wins over the moon.
std::int32_t marker_of_text(const char* text) {
  if (ends_with(text, "*")) return kMarkMiddleTerm;
  if (ends_with(text, "●")) return kMarkNewMoon;
  if (ends_with(text, "○")) return kMarkFullMoon;
  return kMarkNone;
}

// `months`: the month rows that must be filled (12 for a whole lunar year).
::testing::AssertionResult grid_is_sound(int months) {
  for (int c = 0; c < kGridColumns; ++c) {
    for (int r = 0; r < kGridRows; ++r) {
      const char* text = nichiji[c][r];
      const std::int32_t marker = day_flag[c][r];
      auto where = [&] { return ::testing::Message() << "cell [" << c << "][" << r << "] "; };
      if (auto ok = Buffer_Fits_And_Prints(nichiji[c][r], kCellBytes); !ok)
        return ::testing::AssertionFailure() << where() << ok.message();
      if (marker != kMarkNone && marker != kMarkNewMoon && marker != kMarkFullMoon && marker != kMarkMiddleTerm)
        return ::testing::AssertionFailure() << where() << "marker " << marker;
      const bool written = r < kWrittenRows && c < kWrittenColumns;
      if (!written && (text[0] != '\0' || marker != kMarkNone))
        return ::testing::AssertionFailure() << where() << "is never written but holds [" << text << "]";
      const bool day_cell = r >= 1 && c >= 1 && c <= 30 && text[0] != '\0';
      if (day_cell && marker != marker_of_text(text))
        return ::testing::AssertionFailure() << where() << "[" << text << "] with marker " << marker;
      // A lunar year has at least twelve months of at least 29 days.
      const bool must_hold = r >= 1 && r <= months && c <= 29;
      if (must_hold && text[0] == '\0') return ::testing::AssertionFailure() << where() << "is empty";
    }
  }
  return ::testing::AssertionSuccess();
}

// The table a list was built from: dates and hours a clock can show, angles
// the names are taken from.
::testing::AssertionResult table_is_sound(const std::vector<std::string>& lines, const tagEvent* table,
                                          double step) {
  const std::size_t n = lines.size() - 1;
  if (lines.empty() || n > static_cast<std::size_t>(kEventTableSize))
    return ::testing::AssertionFailure() << n << " events";
  for (const std::string& line : lines) {
    if (auto ok = Fits_And_Prints(line, kListLineBytes); !ok) return ok;
  }
  for (std::size_t i = 0; i < n; ++i) {
    const tagEvent& e = table[i];
    const bool sound = e.month >= 1 && e.month <= 12 && e.day >= 1 && e.day <= 31 && e.hour >= 0 &&
                       e.hour < 24 && e.angle >= 0 && e.angle < 360 && std::fmod(e.angle, step) == 0;
    if (!sound)
      return ::testing::AssertionFailure() << "event " << i << ": " << e.year << "-" << e.month << "-" << e.day
                                           << " hour " << e.hour << " angle " << e.angle;
  }
  return ::testing::AssertionSuccess();
}

// Every text the drawing of the grid draws: printable, and whole within the
// 20-byte buffer it is formatted in (a cut kanji would show as garbage).
::testing::AssertionResult drawn_texts_are_sound() {
  for (const tagGridText& t : Grid_Layout()) {
    if (auto ok = Fits_And_Prints(t.text, kCellBytes + 1); !ok)
      return ::testing::AssertionFailure() << "drawn at (" << t.x << ", " << t.y << "): " << ok.message();
  }
  return ::testing::AssertionSuccess();
}

// The year view and the grid's drawing into a drawing area of the window's size.
class YearSweep : public YearViewListTest {
 protected:
  YearSweep() : area_(&window(), "newvdra_001") {
    area_.initialize();
    area_.setPropertyV(WSNwidth(), static_cast<unsigned short>(985));
    area_.setPropertyV(WSNheight(), static_cast<unsigned short>(434));
    newvdra_001 = &area_;
  }
  ~YearSweep() override { newvdra_001 = nullptr; }

  // The year view, then the drawing of its grid, as draw runs them.
  static void show(double year, double month, double day) {
    YearViewListTest::show(year, month, day);
    Disp_Calendar(nullptr);
  }

  // The blue of the title's text somewhere in its line: the drawing reached
  // the area's image.
  ::testing::AssertionResult title_is_drawn() const {
    const QImage& image = area_.image();
    if (image.width() < 100 || image.height() < 20) return ::testing::AssertionFailure() << "no image";
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 100; ++x)
        if (image.pixelColor(x, y) == QColor(0, 0, 255)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no blue title";
  }

  ::testing::AssertionResult view_is_sound(int months) {
    if (list().itemCount() != 1) return ::testing::AssertionFailure() << list().itemCount() << " lines";
    if (auto ok = Fits_And_Prints(list().itemText(0), kLineBuffer - 1); !ok)
      return ::testing::AssertionFailure() << "the line: " << ok.message();
    if (auto ok = grid_is_sound(months); !ok) return ok;
    return drawn_texts_are_sound();
  }

 private:
  WSCvdrawingArea area_;
};

TEST_F(YearSweep, EveryYearThroughBothListsAndTheYearView) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    SCOPED_TRACE(::testing::Message() << "year " << year);
    const std::vector<std::string> terms = Term_list_lines(year);
    ASSERT_TRUE(table_is_sound(terms, Sekki24, 15));
    const std::vector<std::string> phases = Phase_list_lines(year);
    ASSERT_TRUE(table_is_sound(phases, Tsuki, 90));
    // 1 July lies in a month that began in the same civil year: the view year.
    show(year, 7, 1);
    ASSERT_TRUE(view_is_sound(kYearMonths));
  }
}

// What the date entry lets through at the edges of its ranges: the integer
// part decides, so a fraction rides along into the views.
TEST_F(YearSweep, EdgesAndFractionsOfTheAcceptedRanges) {
  struct Case {
    double year, month, day;
    int months;  // month rows the grid must fill
  };
  const Case cases[] = {
      {-666, 1, 1, 0},        // before the table's first month
      {-666, 2, 5, 0},
      {-666, 2, 6, 12},       // the table's first day
      // The integer -666 passed the range test, but the fraction counts a
      // year of days: this is a day of -667, before the table.
      {-666.99, 1, 1, 0},
      {-666.99, 12.99, 31.99, 0},
      {-0.5, 6, 15, 12},      // integer 0: year 0 and a half before it
      {0, 2, 31, 12},
      {1582, 10, 4.5, 12},
      {1582, 10, 10, 12},     // one of the dropped days
      {1582, 10, 14.99, 12},
      {2050, 12, 31, 12},
      {2050, 2, 31, 12},
      {2050.99, 1, 1, 12},
      // Early 2051, in the table's last month (begun 2051-01-13): its view
      // year 2051 has no first month in the table, and the grid shows that
      // month alone.
      {2050.9, 3, 9, 1},
      // The latest day the entry can make, late in 2051: past the table's last
      // month, so it has none, like the days before the first.
      {2050.99, 12.99, 31.99, 0},
      {2041, 12, 31.99, 12},
      {2042, 1, 1, 12},       // no era: empty labels
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    show(c.year, c.month, c.day);
    EXPECT_TRUE(view_is_sound(c.months));
    EXPECT_TRUE(title_is_drawn());
    if (c.months < kYearMonths) {
      EXPECT_EQ(nichiji[0][c.months + 1][0], '\0') << "more month rows than the table holds";
    }
  }
}

}  // namespace

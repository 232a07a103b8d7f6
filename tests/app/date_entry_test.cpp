// Date entry through the real fields, button and drawing area: what each
// procedure stores from the texts typed into the three fields.
#include <gtest/gtest.h>

#include <cmath>

#include "app/procedures.h"
#include "app/selected_date.h"
#include "main_window_fixture.h"
#include "qt_probe.h"

namespace {

const double kNot = NAN;  // the field is refused: today in draw, the last value in wareki

struct EntryCase {
  const char8_t* year;  // as typed (UTF-8)
  const char8_t* month;
  const char8_t* day;
  double y, m, d;
};

const EntryCase kEntries[] = {
    {u8"-666", u8"1", u8"1", -666, 1, 1},
    {u8"2050", u8"12", u8"31", 2050, 12, 31},
    {u8"-667", u8"12", u8"31", kNot, 12, 31},
    {u8"2051", u8"1", u8"1", kNot, 1, 1},
    {u8"2023", u8"0", u8"0", 2023, kNot, kNot},
    {u8"2023", u8"13", u8"32", 2023, kNot, kNot},
    {u8"2023", u8" 2", u8"31", 2023, 2, 31},  // not tested against the month's length
    {u8"2023", u8" 4", u8" 9", 2023, 4, 9},    // as the program writes one digit
    // The double is stored, not the integer that passed the range test.
    {u8"2023.5", u8"3.9", u8"19.25", 2023.5, 3.9, 19.25},
    {u8"2050.9", u8"12.5", u8"31.5", 2050.9, 12.5, 31.5},
    {u8"-666.9", u8"0.5", u8"0.9", -666.9, kNot, kNot},
    {u8"", u8"", u8"", kNot, kNot, kNot},
    {u8"abc", u8"x", u8"日", kNot, kNot, kNot},
    {u8"2023年", u8"4月", u8"19日", kNot, kNot, kNot},
    {u8"２０２３", u8"　４", u8"１９", 2023, 4, 19},  // an input method in Japanese mode
    {u8"\u2212666", u8"\uFF0D1", u8"1", -666, kNot, 1},
};

class DateEntryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    build_main_window_once();
    draw(newvdra_001);  // the first run is behind us: the fields are the user's now
  }

  static void type(const EntryCase& c) {
    probe_type_into(newvifi_000, utf8(c.year));
    probe_type_into(newvifi_001, utf8(c.month));
    probe_type_into(newvifi_003, utf8(c.day));
  }

  static void store(double y, double m, double d) {
    year_g = y;
    month_g = m;
    day_g = d;
  }

  static void expect_date(double y, double m, double d) {
    EXPECT_EQ(year_g, y);
    EXPECT_EQ(month_g, m);
    EXPECT_EQ(day_g, d);
  }

  // Types every case over a stored 1999-07-07, runs the procedure, and expects
  // each refused field to come out as the fallback.
  static void enter_every_case(void (*procedure)(), double fy, double fm, double fd) {
    for (const auto& c : kEntries) {
      SCOPED_TRACE(::testing::Message() << "[" << utf8(c.year) << "][" << utf8(c.month) << "][" << utf8(c.day) << "]");
      store(1999, 7, 7);
      type(c);
      procedure();
      expect_date(std::isnan(c.y) ? fy : c.y, std::isnan(c.m) ? fm : c.m, std::isnan(c.d) ? fd : c.d);
    }
  }
};

TEST_F(DateEntryTest, ButtonKeepsLastStoredValueForRefusedFields) {
  enter_every_case([] { probe_click(newvbtn_004); }, 1999, 7, 7);
}

TEST_F(DateEntryTest, DrawTakesTodayBeforeTheFields) {
  enter_every_case([] { draw(newvdra_001); }, 2026, 3, 9);
}

TEST_F(DateEntryTest, ReadingLeavesTheFieldsAsTyped) {
  type({u8"3000", u8" 5", u8"abc", 0, 0, 0});
  probe_click(newvbtn_004);
  draw(newvdra_001);
  EXPECT_EQ(probe_shown_text(newvifi_000), "3000");
  EXPECT_EQ(probe_shown_text(newvifi_001), " 5");
  EXPECT_EQ(probe_shown_text(newvifi_003), "abc");
}

TEST_F(DateEntryTest, ButtonOutOfRangeYearThenDrawTakesCurrentYear) {
  // Year 3000 refused: the button keeps the year, draw brings today's year back.
  type({u8"3000", u8"5", u8"10", 0, 0, 0});
  store(2023, 4, 19);
  probe_click(newvbtn_004);
  expect_date(2023, 5, 10);
  draw(newvdra_001);
  expect_date(2026, 5, 10);
}

TEST_F(DateEntryTest, RedrawRequestRunsDraw) {
  type({u8"2024", u8"6", u8"15", 0, 0, 0});
  store(0, 0, 0);
  timerHandler(20, newvdra_001);
  probe_process_events();
  expect_date(2024, 6, 15);
}

TEST_F(DateEntryTest, TimerIsRegisteredOnceAtOneSecond) {
  draw(newvdra_001);
  draw(newvdra_001);
  EXPECT_EQ(probe_timer_intervals(), std::vector<int>{1000});
}

}  // namespace

#include "events/event_tables.h"

#include <gtest/gtest.h>

#include "events/event_names.h"
#include "events/scratch.h"

namespace {

TEST(EventTables, StartAtNoonOfNewYearsDayInJapan) {
  EXPECT_EQ(year_table_start(-666), 1477801.625);
  EXPECT_EQ(year_table_start(2000), 2451544.625);
}

TEST(EventTables, Year2000) {
  ASSERT_EQ(Moon_year_Cal0(2000, 430), 58);
  const tagEvent& first_phase = Tsuki[0];
  EXPECT_EQ(first_phase.angle, 0.0);
  EXPECT_EQ(first_phase.year, 2000);
  EXPECT_EQ(first_phase.month, 1);
  EXPECT_EQ(first_phase.day, 7);
  EXPECT_NEAR(first_phase.hour, 3.1653, 5e-5);
  EXPECT_NEAR(first_phase.jd, 2451550.256888, 5e-7);
  EXPECT_EQ(Tsuki[57].angle, 90.0);
  EXPECT_NEAR(Tsuki[57].jd, 2451971.582351, 5e-7);

  ASSERT_EQ(Sun_year_Cal0(2000, 430), 29);
  EXPECT_EQ(Sekki24[0].angle, 285.0);
  EXPECT_EQ(Sekki24[0].month, 1);
  EXPECT_EQ(Sekki24[0].day, 6);
  EXPECT_NEAR(Sekki24[0].hour, 9.8642, 5e-5);
  const tagEvent& last_term = Sekki24[28];
  EXPECT_EQ(last_term.angle, 345.0);
  EXPECT_EQ(last_term.year, 2001);
  EXPECT_EQ(last_term.month, 3);
  EXPECT_EQ(last_term.day, 5);
  EXPECT_NEAR(last_term.jd, 2451974.015080, 5e-7);
}

TEST(EventTables, RecordsCopyTheScratchTableInOrder) {
  const int n = Moon_year_Cal0(1234, 430);
  ASSERT_EQ(n, scratch_count(Moon_pos));
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(Tsuki[i].jd, Moon_pos.jd[i + 1]);
    EXPECT_EQ(Tsuki[i].angle, Moon_pos.angle[i + 1]);
    EXPECT_GE(Tsuki[i].hour, 0.0);
    EXPECT_LT(Tsuki[i].hour, 24.0);
  }
}

TEST(EventTables, SpanIsClippedTo800Days) {
  const int at_800 = Sun_year_Cal0(2000, 800);
  const double last_jd = Sekki24[at_800 - 1].jd;
  EXPECT_EQ(Sun_year_Cal0(2000, 1000), at_800);
  EXPECT_EQ(Sekki24[at_800 - 1].jd, last_jd);
  // 801 days end on 2002-03-11: the last term is 啓蟄 of 2002.
  EXPECT_EQ(Sekki24[at_800 - 1].angle, 345.0);
  EXPECT_EQ(Sekki24[at_800 - 1].year, 2002.0);
}

// The phases of 801 days overflow the scan's 59 slots; the table gets the first 59.
TEST(EventTables, LongPhaseSpansKeepTheFirst59) {
  Tsuki[kScratchEvents] = tagEvent{};
  for (int days : {800, 1000}) {
    EXPECT_EQ(Moon_year_Cal0(2000, days), kScratchEvents);
    EXPECT_EQ(Tsuki[kScratchEvents].jd, 0.0);
  }
}

TEST(EventTables, RecordsBeyondTheCountKeepTheEarlierBuild) {
  ASSERT_EQ(Moon_year_Cal0(2001, 430), 59);  // 2001 has 59 phases
  const tagEvent last = Tsuki[58];
  ASSERT_EQ(Moon_year_Cal0(2000, 430), 58);
  EXPECT_EQ(Tsuki[58].jd, last.jd);
  EXPECT_EQ(Moon_year_Cal0(2000, -5), 0);
  EXPECT_EQ(Tsuki[57].angle, 90.0);  // still the 2000 table
}

TEST(EventNames, ByAngle) {
  EXPECT_EQ(Phase_name(0), "新月");
  EXPECT_EQ(Phase_name(90), "上弦");
  EXPECT_EQ(Phase_name(180), "満月");
  EXPECT_EQ(Phase_name(270), "下弦");
  const char* terms[] = {"春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑",
                         "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬",
                         "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};
  for (int i = 0; i < 24; ++i) EXPECT_EQ(Term_name(15 * i), terms[i]) << i;
  EXPECT_EQ(Term_name(15).size(), 4u);  // two kanji, four CP932 bytes
  EXPECT_EQ(Phase_name(360), "");
  EXPECT_EQ(Term_name(-15), "");
}

}  // namespace

// The compiled month table: its telling rows, its invariants, and agreement
// with the reference facts it was generated from.
#include <gtest/gtest.h>

#include <set>

#include "calendar/tables/kyuureki_table.h"
#include "engine/julian_day.h"
#include "reference_facts.h"

namespace {

struct TellingRow {
  int serial, year, month, day, month_flag, lunar_month;
};

class KyuurekiTellingRow : public testing::TestWithParam<TellingRow> {};

TEST_P(KyuurekiTellingRow, HoldsItsMonth) {
  const TellingRow& r = GetParam();
  const tagKyuureki& k = Kyuureki[r.serial - 1];
  EXPECT_EQ(k.serial, r.serial);
  EXPECT_EQ(k.year, r.year);
  EXPECT_EQ(k.month, r.month);
  EXPECT_EQ(k.day, r.day);
  EXPECT_EQ(k.month_flag, r.month_flag);
  EXPECT_EQ(k.lunar_month, r.lunar_month);
}

INSTANTIATE_TEST_SUITE_P(
    TellingRows, KyuurekiTellingRow,
    testing::Values(TellingRow{1, -666, 2, 6, 1, 1}, TellingRow{13, -665, 1, 27, 1, 1},
                    TellingRow{14, -665, 2, 25, 2, 1},  // leap first month
                    TellingRow{27813, 1582, 9, 17, 0, 9},  // Julian date
                    TellingRow{27814, 1582, 10, 27, 0, 10},  // Gregorian date
                    TellingRow{31403, 1872, 12, 30, 0, 12}, TellingRow{31404, 1873, 1, 29, 1, 1},
                    TellingRow{33259, 2023, 1, 22, 1, 1},
                    TellingRow{33261, 2023, 3, 22, 2, 2},  // leap second month
                    TellingRow{33382, 2033, 1, 1, 0, 12}, TellingRow{33383, 2033, 1, 31, 1, 1},
                    TellingRow{33390, 2033, 8, 25, 2, 7},  // leap seventh month of 2033 stays
                    TellingRow{33593, 2050, 1, 23, 1, 1}, TellingRow{33596, 2050, 4, 21, 2, 3},
                    TellingRow{33605, 2051, 1, 13, 0, 12}));

TEST(KyuurekiTable, HoldsExactlyTheMonthsFromMinus666To2051) {
  EXPECT_EQ(Kyuureki.size(), 33605u);
  EXPECT_EQ(History_max, 33605);
}

TEST(KyuurekiTable, SerialsCountFromOneWithoutGaps) {
  for (std::size_t i = 0; i < Kyuureki.size(); ++i) ASSERT_EQ(Kyuureki[i].serial, static_cast<int>(i) + 1);
}

// The first-day numbers the search runs on must be the engine's day values of
// the written dates, month for month (the reform included).
TEST(KyuurekiTable, FirstDaysAreTheDayValuesOfTheWrittenDates) {
  for (std::size_t i = 0; i < Kyuureki.size(); ++i) {
    const tagKyuureki& k = Kyuureki[i];
    ASSERT_EQ(JD(k.year, k.month, k.day, 12, 135), Kyuureki_first_day[i] - 0.375) << "serial " << k.serial;
  }
}

TEST(KyuurekiTable, EveryMonthIs29Or30DaysLong) {
  for (std::size_t i = 0; i + 1 < Kyuureki.size(); ++i) {
    const int length = Kyuureki_first_day[i + 1] - Kyuureki_first_day[i];
    ASSERT_TRUE(length == 29 || length == 30) << "serial " << i + 1 << ": " << length << " days";
  }
  // Across the reform: 1582-09-17 (Julian) to 1582-10-27 (Gregorian) is 30 days.
  EXPECT_EQ(Kyuureki_first_day[27813] - Kyuureki_first_day[27812], 30);
}

// Every civil year holds a month numbered 1, and the first such is the lunar
// year's regular first month; the numbers then run 1 to 12 with at most one
// leap month repeating the number before it.
TEST(KyuurekiTable, EveryYearHasAFirstMonthAndItsMonthsInOrder) {
  std::set<int> years_with_new_year;
  int expected = 0;
  bool leap_seen = false;
  for (const tagKyuureki& k : Kyuureki) {
    if (k.month_flag == 1) {
      ASSERT_EQ(k.lunar_month, 1) << "serial " << k.serial;
      ASSERT_TRUE(k.serial == 1 || expected == 12) << "serial " << k.serial << ": year cut short";
      ASSERT_TRUE(years_with_new_year.insert(k.year).second) << "two New Years in " << k.year;
      expected = 1;
      leap_seen = false;
    } else if (k.month_flag == 2) {
      ASSERT_FALSE(leap_seen) << "serial " << k.serial;
      ASSERT_EQ(k.lunar_month, expected) << "serial " << k.serial;
      leap_seen = true;
    } else {
      ASSERT_EQ(k.month_flag, 0);
      ASSERT_EQ(k.lunar_month, ++expected) << "serial " << k.serial;
    }
  }
  for (int year = -666; year <= 2050; ++year) EXPECT_TRUE(years_with_new_year.count(year)) << year;
}

TEST(KyuurekiTable, EqualsTheReferenceFacts) {
  const auto rows = reference::read("kyuureki-months.tsv");
  SKIP_WITHOUT_REFERENCE(rows, "kyuureki-months.tsv");
  ASSERT_EQ(rows->size(), Kyuureki.size());
  for (std::size_t i = 0; i < rows->size(); ++i) {
    const reference::Row& r = (*rows)[i];
    const tagKyuureki& k = Kyuureki[i];
    ASSERT_EQ(r.size(), 6u);
    const std::vector<int> written = {k.serial, k.year, k.month, k.day, k.month_flag, k.lunar_month};
    for (std::size_t c = 0; c < 6; ++c) ASSERT_EQ(std::stoi(r[c]), written[c]) << "line " << i + 2 << " column " << c;
  }
}

}  // namespace

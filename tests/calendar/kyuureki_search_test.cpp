// From a civil date to its lunar month and day, the first month of a lunar
// year and month lengths.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "calendar/kyuureki.h"
#include "engine/julian_day.h"

namespace {

struct Containing {
  int year, month, day;  // the civil date asked for
  int serial;            // of the containing month
  int lunar_month;
  bool leap;
  int lunar_day;
  int view_year;
};

class KyuurekiSearchCase : public testing::TestWithParam<Containing> {};

TEST_P(KyuurekiSearchCase, FindsTheMonthThatHoldsTheDate) {
  const Containing& c = GetParam();
  const tagKyuurekiDate found = Kyuureki_Search(c.year, c.month, c.day);
  ASSERT_GE(found.index, 0) << c.year << "-" << c.month << "-" << c.day;
  const tagKyuureki& m = Kyuureki[found.index];
  EXPECT_EQ(m.serial, c.serial);
  EXPECT_EQ(m.lunar_month, c.lunar_month);
  EXPECT_EQ(m.month_flag == 2, c.leap);
  EXPECT_EQ(found.lunar_day, c.lunar_day);
  EXPECT_EQ(found.day_value, JD(c.year, c.month, c.day, 12, 135));
  EXPECT_EQ(Kyuureki_View_Year(found, c.year), c.view_year);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, KyuurekiSearchCase,
    testing::Values(
        Containing{2024, 1, 5, 33270, 11, false, 24, 2023},  // month begun in the year before
        Containing{2024, 1, 20, 33271, 12, false, 10, 2024},  // twelfth month begun in January
        Containing{2024, 2, 10, 33272, 1, false, 1, 2024},    // New Year's day
        Containing{2033, 2, 15, 33383, 1, false, 16, 2033},   // February with no month start
        Containing{2023, 3, 22, 33261, 2, true, 1, 2023},     // first day of a leap month
        Containing{2023, 4, 19, 33261, 2, true, 29, 2023},
        Containing{1582, 10, 4, 27813, 9, false, 18, 1582},   // last Julian day
        Containing{1582, 10, 15, 27813, 9, false, 19, 1582},  // first Gregorian day follows it
        Containing{1873, 1, 1, 31403, 12, false, 3, 1872},
        Containing{-666, 2, 6, 1, 1, false, 1, -666},          // the table's first day
        Containing{2000, 1, 1, 32973, 11, false, 25, 1999},
        Containing{2051, 1, 13, 33605, 12, false, 1, 2051},    // the table's last month
        // A day past the end of its month is the day it runs on to:
        // 2033-02-31 is 2033-03-03, 2023-02-31 is 2023-03-03.
        Containing{2033, 2, 31, 33384, 2, false, 3, 2033},
        Containing{2023, 2, 31, 33260, 2, false, 12, 2023}));

TEST(KyuurekiSearch, DatesBeforeTheTableHaveNoMonth) {
  for (int day = 1; day <= 31; ++day) {
    const tagKyuurekiDate found = Kyuureki_Search(-666, 1, day);
    EXPECT_EQ(found.index, -1) << "-666-01-" << day;
    EXPECT_EQ(found.lunar_day, 0);
    EXPECT_EQ(found.day_value, JD(-666, 1, day, 12, 135));  // the day's names still need it
    EXPECT_EQ(Kyuureki_View_Year(found, -666), -666);
  }
  for (int day = 1; day <= 5; ++day) EXPECT_EQ(Kyuureki_Search(-666, 2, day).index, -1) << "-666-02-" << day;
  EXPECT_EQ(Kyuureki_Search(-700, 6, 1).index, -1);
  EXPECT_EQ(Kyuureki_Search(-666, 2, 6).index, 0);
}

TEST(KyuurekiSearch, DaysPastTheLastMonthHaveNoMonth) {
  EXPECT_EQ(Kyuureki_Search(2051, 2, 11).index, kKyuurekiCount - 1);  // its 30th day
  EXPECT_EQ(Kyuureki_Search(2051, 2, 12).index, -1);
  EXPECT_EQ(Kyuureki_Search(2100, 1, 1).index, -1);
}

// The search never looks past History_max, nor past the table whatever
// History_max holds.
TEST(KyuurekiSearch, KeepsWithinHistoryMax) {
  History_max = 12;  // the lunar year -666 only
  EXPECT_EQ(Kyuureki_Search(-666, 12, 31).index, 11);
  EXPECT_EQ(Kyuureki_Search(-665, 1, 26).index, 11);
  EXPECT_EQ(Kyuureki_Search(-665, 2, 1).index, -1);  // past the twelfth month's 30 days
  History_max = 1 << 30;
  EXPECT_EQ(Kyuureki_Search(2051, 1, 20).index, kKyuurekiCount - 1);
  EXPECT_EQ(Kyuureki_Month_Length(kKyuurekiCount - 1), 30);
  History_max = -5;
  EXPECT_EQ(Kyuureki_Search(2000, 1, 1).index, -1);
  History_max = kKyuurekiCount;
}

// The lookup as the month table's users first wrote it: the earliest month
// that begins in the civil month, else in the one before, then one step back
// or forward. For every real date the binary search must agree with it.
TEST(KyuurekiSearch, AgreesWithTheStepSearchOnEveryRealDate) {
  std::map<std::pair<int, int>, int> earliest;  // (civil year, month) -> first index
  for (int i = kKyuurekiCount - 1; i >= 0; --i) earliest[{Kyuureki[i].year, Kyuureki[i].month}] = i;
  const auto first_value = [](int i) { return Kyuureki_first_day[i] - 0.375; };

  long dates = 0;
  for (double jd = JD(-666, 2, 6, 12, 135); jd < JD(2051, 1, 1, 12, 135); jd += 1) {
    double y = 0, m = 0, d = 0, h = 0;
    Calendar(jd, &y, &m, &d, &h, 1, 135);
    auto it = earliest.find({int(y), int(m)});
    if (it == earliest.end()) it = earliest.find({int(y), int(m) - 1});
    ASSERT_NE(it, earliest.end()) << y << "-" << m << "-" << d;
    int r = it->second;
    const double day_value = JD(y, m, d, 12, 135);
    if (first_value(r) > day_value) {
      --r;
    } else if (r + 1 < kKyuurekiCount && first_value(r + 1) <= day_value) {
      ++r;
    }
    const tagKyuurekiDate found = Kyuureki_Search(y, m, d);
    ASSERT_EQ(found.index, r) << y << "-" << m << "-" << d;
    ASSERT_EQ(found.lunar_day, day_value - first_value(r) + 1) << y << "-" << m << "-" << d;
    ASSERT_GE(found.lunar_day, 1);
    ASSERT_LE(found.lunar_day, 30);
    ++dates;
  }
  EXPECT_GT(dates, 990'000);
}

struct NewYear {
  int view_year;
  int serial;  // of the first month
  int months;  // in the lunar year
};

class KyuurekiNewyearCase : public testing::TestWithParam<NewYear> {};

// A year has thirteen months exactly when its thirteenth record is still a
// twelfth month (there was a leap month).
int months_in_year(int first) {
  return first + 12 < kKyuurekiCount && Kyuureki[first + 12].lunar_month == 12 ? 13 : 12;
}

TEST_P(KyuurekiNewyearCase, FindsTheFirstMonthOfTheYear) {
  const NewYear& c = GetParam();
  const int first = Kyuureki_Newyear(c.view_year, -7);
  ASSERT_GE(first, 0);
  EXPECT_EQ(Kyuureki[first].serial, c.serial);
  EXPECT_EQ(Kyuureki[first].lunar_month, 1);
  EXPECT_EQ(Kyuureki[first].month_flag, 1);
  EXPECT_EQ(months_in_year(first), c.months);
}

INSTANTIATE_TEST_SUITE_P(Years, KyuurekiNewyearCase,
                         testing::Values(NewYear{-666, 1, 12}, NewYear{-665, 13, 13},  // leap first month
                                         NewYear{2023, 33259, 13}, NewYear{2024, 33272, 12},
                                         NewYear{2033, 33383, 13},  // after a twelfth month in January
                                         NewYear{2050, 33593, 13}));

TEST(KyuurekiNewyear, AYearWithoutAFirstMonthGivesTheFallback) {
  EXPECT_EQ(Kyuureki_Newyear(2051, 33604), 33604);
  EXPECT_EQ(Kyuureki_Newyear(-700, 5), 5);
}

TEST(KyuurekiMonthLength, IsTheDistanceToTheNextMonth) {
  EXPECT_EQ(Kyuureki_Month_Length(33259 - 1), 29);  // 2023-01-22 to 2023-02-20
  EXPECT_EQ(Kyuureki_Month_Length(33271 - 1), 30);  // 2024-01-11 to 2024-02-10
  EXPECT_EQ(Kyuureki_Month_Length(33272 - 1), 29);  // 2024-02-10 to 2024-03-10
  EXPECT_EQ(Kyuureki_Month_Length(27813 - 1), 30);  // across the calendar reform
  EXPECT_EQ(Kyuureki_Month_Length(kKyuurekiCount - 1), 30);  // last month: no successor
  EXPECT_EQ(Kyuureki_Month_Length(-1), 0);
  EXPECT_EQ(Kyuureki_Month_Length(kKyuurekiCount), 0);
}

}  // namespace

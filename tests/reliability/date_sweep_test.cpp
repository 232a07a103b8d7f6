// Every date the date entry accepts in whole numbers: each year from -666 to
// 2050, each month, each day from 1 to 31 (the entry does not test the day
// against its month, so 2-30 and 4-31 come through too), and a sample of the
// dates with fractions it accepts. Each goes through the month lookup, the era
// labels and the year-view line; nothing may fall outside the month table,
// overflow a text or print garbage.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <string>

#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"
#include "calendar/wareki_line.h"
#include "calendar/year_view_line.h"
#include "text_checks.h"
#include "support/year_view_list.h"

namespace {

constexpr int kFirstYear = -666;
constexpr int kLastYear = 2050;
constexpr std::size_t kLineBuffer = 112;  // the line and its NUL
constexpr std::size_t kLabelBuffer = sizeof(tagWarekiLabels{}.gengou);
constexpr std::size_t kLineTextBytes = 4;  // each text of the line, before its NUL
// Enough to show a pattern without flooding the log with a million failures.
constexpr int kMaxReportedDates = 10;

// Whole numbers, or with the fractions the date entry lets through.
struct Date {
  double year, month, day;
};

std::ostream& operator<<(std::ostream& os, const Date& d) {
  return os << std::setprecision(17) << d.year << "-" << d.month << "-" << d.day;
}

// The month table begins on -666-02-06; every whole date the entry accepts
// from then on lies in one of its months (the last begins 2051-01-13).
bool before_table(const Date& d) { return d.year == kFirstYear && (d.month == 1 || (d.month == 2 && d.day < 6)); }

// Whether the day falls outside the month table: before its first month or
// after its last.
bool outside_table(const tagKyuurekiDate& k) {
  const double day_number = std::floor(k.day_value + 0.375 + 0.5);
  const int last = kKyuurekiCount - 1;
  return day_number < Kyuureki_first_day[0] ||
         day_number >= Kyuureki_first_day[last] + Kyuureki_Month_Length(last);
}

::testing::AssertionResult lookup_is_sound(const tagKyuurekiDate& k) {
  if (outside_table(k)) {
    if (k.index != -1 || k.lunar_day != 0) return ::testing::AssertionFailure() << "a month outside the table";
    return ::testing::AssertionSuccess();
  }
  if (k.index < 0 || k.index >= kKyuurekiCount) return ::testing::AssertionFailure() << "index " << k.index;
  if (k.lunar_day < 1 || k.lunar_day > Kyuureki_Month_Length(k.index))
    return ::testing::AssertionFailure() << "lunar day " << k.lunar_day << " of month " << k.index;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult labels_are_sound(const tagWarekiLabels& l) {
  for (const char* field : {l.gengou, l.gengou_year, l.tennou, l.tennou_year}) {
    const std::size_t length = Bounded_Length(field, kLabelBuffer);
    if (length == kLabelBuffer) return ::testing::AssertionFailure() << "a label without its NUL";
    if (auto ok = Fits_And_Prints(std::string_view(field, length), kLabelBuffer - 1); !ok) return ok;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult line_texts_are_sound() {
  const char (*texts[])[10] = {&m_uruu1, &m_tsuki1, &m_hi1, &m_youbi1,
                               &m_rokuyou1, &m_kanshi11, &m_28shuku1, &m_nen_kanshi};
  for (auto* text : texts) {
    if (auto ok = Buffer_Fits_And_Prints(*text, kLineTextBytes); !ok) return ok;
  }
  return ::testing::AssertionSuccess();
}

class DateSweep : public YearViewListTest {
 protected:
  // One date through the lookup, the labels and the line in its list; false
  // on a fault.
  bool check(const Date& d) {
    const tagKyuurekiDate k = Kyuureki_Search(d.year, d.month, d.day);
    if (auto ok = lookup_is_sound(k); !ok) return report(d, "Kyuureki_Search", ok);
    const tagWarekiLabels labels = History_Search(Kyuureki_View_Year(k, d.year), d.year, k.day_value);
    if (auto ok = labels_are_sound(labels); !ok) return report(d, "History_Search", ok);
    const std::string line = Wareki_Line_Text(d.year, k, labels);
    if (auto ok = Fits_And_Prints(line, kLineBuffer - 1); !ok) return report(d, "line", ok);
    if (auto ok = line_texts_are_sound(); !ok) return report(d, "line texts", ok);
    Wareki_Line(d.year, k, labels);
    if (list().itemCount() != 1 || list().itemText(0) != line)
      return report(d, "newlist_000", ::testing::AssertionFailure() << "[" << list().itemText(0) << "]");
    return true;
  }

  bool report(const Date& d, const char* where, const ::testing::AssertionResult& why) {
    if (++faults_ <= kMaxReportedDates) ADD_FAILURE() << d << ": " << where << ": " << why.message();
    return false;
  }

  int faults_ = 0;
};

TEST_F(DateSweep, EveryAcceptedWholeDate) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        const Date d{double(year), double(month), double(day)};
        if (outside_table(Kyuureki_Search(d.year, d.month, d.day)) != before_table(d))
          report(d, "Kyuureki_Search", ::testing::AssertionFailure() << "outside the table");
        check(d);
      }
    }
  }
  EXPECT_EQ(faults_, 0) << "dates with a fault (the first " << kMaxReportedDates << " are shown)";
}

// The entry tests only the integer part, so each field carries any fraction:
// years in (-667, 2051), months in [1, 13), days in [1, 32). A fixed sample
// of them, the extremes of each range among them.
TEST_F(DateSweep, AcceptedDatesWithFractions) {
  constexpr int kSamples = 200000;
  const double years[] = {std::nextafter(-667.0, 0.0), -666.5, -0.5, 0.5, 1582.5, 2050.5,
                          std::nextafter(2051.0, 0.0)};
  const double months[] = {1, 2.5, std::nextafter(3.0, 0.0), 12.5, std::nextafter(13.0, 0.0)};
  const double days[] = {1, 1.5, 31.5, std::nextafter(32.0, 0.0)};
  for (double y : years)
    for (double m : months)
      for (double d : days) check({y, m, d});

  std::mt19937_64 random(20260309);
  std::uniform_real_distribution<double> year(-667.0, 2051.0), month(1.0, 13.0), day(1.0, 32.0);
  for (int i = 0; i < kSamples; ++i) {
    const Date d{year(random), month(random), day(random)};
    if (d.year <= -667.0) continue;  // an integer part of -667 is refused
    check(d);
  }
  EXPECT_EQ(faults_, 0) << "dates with a fault (the first " << kMaxReportedDates << " are shown)";
}

}  // namespace

// Every date the date entry accepts in whole numbers: each year from -666 to
// 2050, each month, each day from 1 to 31 (the entry does not test the day
// against its month, so 2-30 and 4-31 come through too). Each goes through the
// month lookup, the era labels and the year-view line; nothing may fall
// outside the month table, overflow a text or print garbage.
#include <gtest/gtest.h>

#include <string>

#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"
#include "calendar/wareki_line.h"
#include "calendar/year_view_line.h"
#include "text_checks.h"
#include "year_view_list.h"

namespace {

constexpr int kFirstYear = -666;
constexpr int kLastYear = 2050;
constexpr std::size_t kLineBuffer = 112;  // the line and its NUL
constexpr std::size_t kLabelBuffer = sizeof(tagWarekiLabels{}.gengou);
constexpr std::size_t kLineTextBytes = 4;  // each text of the line, before its NUL
// Enough to show a pattern without flooding the log with a million failures.
constexpr int kMaxReportedDates = 10;

struct Date {
  int year, month, day;
};

std::ostream& operator<<(std::ostream& os, const Date& d) {
  return os << d.year << "-" << d.month << "-" << d.day;
}

// The month table begins on -666-02-06; every accepted date from then on lies
// in one of its months (the last begins 2051-01-13).
bool before_table(const Date& d) { return d.year == kFirstYear && (d.month == 1 || (d.month == 2 && d.day < 6)); }

::testing::AssertionResult lookup_is_sound(const Date& d, const tagKyuurekiDate& k) {
  if (before_table(d)) {
    if (k.index != -1 || k.lunar_day != 0) return ::testing::AssertionFailure() << "a month before the table";
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
    if (auto ok = lookup_is_sound(d, k); !ok) return report(d, "Kyuureki_Search", ok);
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
      for (int day = 1; day <= 31; ++day) check({year, month, day});
    }
  }
  EXPECT_EQ(faults_, 0) << "dates with a fault (the first " << kMaxReportedDates << " are shown)";
}

}  // namespace

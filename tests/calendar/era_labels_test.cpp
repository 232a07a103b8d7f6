// Era and emperor labels of the year view.
#include <gtest/gtest.h>

#include "calendar/era_labels.h"
#include "engine/julian_day.h"
#include "labels_for_date.h"

namespace {

struct LabelCase {
  int year, month, day;  // selected date
  const char* gengou;
  const char* gengou_year;
  const char* tennou;
  const char* tennou_year;
};

class EraLabelCase : public testing::TestWithParam<LabelCase> {};

TEST_P(EraLabelCase, NamesTheEraAndEmperor) {
  const LabelCase& c = GetParam();
  const tagWarekiLabels labels = Labels_For_Date(c.year, c.month, c.day);
  EXPECT_STREQ(labels.gengou, c.gengou);
  EXPECT_STREQ(labels.gengou_year, c.gengou_year);
  EXPECT_STREQ(labels.tennou, c.tennou);
  EXPECT_STREQ(labels.tennou_year, c.tennou_year);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, EraLabelCase,
    testing::Values(
        LabelCase{645, 8, 1, "大化", "1", "孝徳", "1"},
        LabelCase{507, 6, 1, "(継体天皇)", "1", "継体", "1"},  // a year without an era
        // View years before 507 take the emperor of the selected year from
        // Tennou3, counted from his first year with "%3d".
        LabelCase{300, 6, 1, "(応神天皇)", " 31", "(応神天皇)", " 31"},
        LabelCase{-666, 3, 1, "(神武即位前天皇)", "  1", "(神武即位前天皇)", "  1"},
        LabelCase{-666, 1, 1, "(神武即位前天皇)", "  1", "(神武即位前天皇)", "  1"},  // before the month table
        LabelCase{201, 6, 1, "(神功皇后)", "  1", "(神功皇后)", "  1"},
        // 507-01-05 lies in a month begun 506-12-31: view year 506, emperor of 507.
        LabelCase{507, 1, 5, "(継体天皇)", "  1", "(継体天皇)", "  1"},
        LabelCase{1330, 6, 1, "元徳", "2", "後醍醐", "13"},  // the southern line, not the northern run
        LabelCase{1989, 1, 5, "昭和", "63", "昭和", "63"},   // in a month begun in 1988
        LabelCase{1999, 6, 1, "平成", "11", "明仁", "11"},
        LabelCase{2018, 12, 1, "平成", "30", "明仁", "30"},
        LabelCase{2041, 6, 1, "令和", "23", "今上", "23"},
        // After 2041 neither table knows the year.
        LabelCase{2045, 5, 5, "", "", "", ""}, LabelCase{2050, 12, 31, "", "", "", ""}));

// A year with two records shows the one in force on the selected date: the
// first up to the day before the change, the second from the day of it.
INSTANTIATE_TEST_SUITE_P(
    ChangesWithinAYear, EraLabelCase,
    testing::Values(LabelCase{1221, 5, 12, "承久", "3", "順徳", "12"},
                    LabelCase{1221, 5, 13, "承久", "3", "仲恭/後堀河", "1"},
                    LabelCase{1912, 7, 29, "明治", "45", "明治", "45"},
                    LabelCase{1912, 7, 30, "大正", "1", "大正", "1"},
                    LabelCase{1926, 12, 24, "大正", "15", "大正", "15"},
                    LabelCase{1926, 12, 25, "昭和", "1", "昭和", "1"},
                    LabelCase{1989, 1, 8, "平成", "1", "明仁", "1"},  // twelfth month begun 1989-01-08
                    LabelCase{1989, 3, 1, "平成", "1", "明仁", "1"},
                    LabelCase{2019, 4, 30, "平成", "31", "明仁", "31"},
                    LabelCase{2019, 5, 1, "令和", "1", "今上", "1"}));

TEST(HistorySearch, YearsOutsideBothTablesLeaveEveryLabelEmpty) {
  for (int view_year : {2042, 2050, 3000}) {
    const tagWarekiLabels labels = History_Search(view_year, view_year, JD(view_year, 6, 1, 12, 135));
    EXPECT_STREQ(labels.gengou, "") << view_year;
    EXPECT_STREQ(labels.gengou_year, "");
    EXPECT_STREQ(labels.tennou, "");
    EXPECT_STREQ(labels.tennou_year, "");
  }
  // Before 507 the selected year decides; Tennou3's last row only bounds.
  EXPECT_STREQ(History_Search(400, 588, JD(588, 6, 1, 12, 135)).gengou, "");
  EXPECT_STREQ(History_Search(400, 587, JD(587, 6, 1, 12, 135)).gengou, "(用明天皇)");
  EXPECT_STREQ(History_Search(400, -667, JD(-667, 6, 1, 12, 135)).gengou, "");
}

}  // namespace

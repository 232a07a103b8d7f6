// The year view puts the selected date's line into newlist_000, replacing
// whatever the list held.
#include <gtest/gtest.h>

#include <string>

#include "app/selected_date.h"
#include "app/widgets.h"
#include "calendar/kyuureki.h"
#include "calendar/year_view.h"
#include "calendar/year_view_line.h"
#include "labels_for_date.h"
#include "support/year_view_list.h"

namespace {

class YearViewTest : public YearViewListTest {};

TEST_F(YearViewTest, ShowsTheLineOfTheSelectedDateAsTheOnlyItem) {
  list().addItem("left over", -1);
  show(2000, 1, 1);
  ASSERT_EQ(list().itemCount(), 1);
  const std::string line = list().itemText(0);
  EXPECT_EQ(line.size(), 76u);
  EXPECT_EQ(line.substr(0, 10), "      平成");
  const tagKyuurekiDate date = Kyuureki_Search(2000, 1, 1);
  EXPECT_EQ(line, Wareki_Line_Text(2000, date, Labels_For_Date(2000, 1, 1)));
}

TEST_F(YearViewTest, EachRefreshReplacesTheLine) {
  show(2023, 3, 22);
  show(2019, 5, 1);
  ASSERT_EQ(list().itemCount(), 1);
  EXPECT_EQ(list().itemText(0).substr(0, 10), "      令和");
  EXPECT_STREQ(m_uruu1, "　");
}

TEST_F(YearViewTest, RestoresHistoryMaxAndShowsDatesBeforeTheTable) {
  History_max = 3;
  show(-666, 1, 1);
  EXPECT_EQ(History_max, kKyuurekiCount);
  ASSERT_EQ(list().itemCount(), 1);
  const std::string line = list().itemText(0);
  EXPECT_EQ(line.size(), 88u);
  EXPECT_EQ(line.substr(0, 16), "(神武即位前天皇)");
  EXPECT_STREQ(m_tsuki1, "");
}

}  // namespace

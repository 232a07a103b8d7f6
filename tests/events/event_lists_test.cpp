// The two lists of the main window, filled through the toolkit (offscreen).
#include "events/event_lists.h"

#include <gtest/gtest.h>

#include "app/selected_date.h"
#include "app/widgets.h"

namespace {

class EventListsTest : public testing::Test {
 protected:
  EventListsTest() : window(nullptr, "newwin000"), terms(&window, "newlist_001"), phases(&window, "newlist_002") {
    toolkit_ensure_application();
    terms.initialize();
    phases.initialize();
    newlist_001 = &terms;
    newlist_002 = &phases;
  }
  ~EventListsTest() override {
    newlist_001 = nullptr;
    newlist_002 = nullptr;
  }

  void show(double year) {
    year_g = year;
    Sun_year_Cal(nullptr);
    Moon_year_Cal(nullptr);
  }

  static std::vector<std::string> items(const WSClist& list) {
    std::vector<std::string> out;
    for (long i = 0; i < list.itemCount(); ++i) out.push_back(list.itemText(i));
    return out;
  }

  WSCmainWindow window;
  WSClist terms;
  WSClist phases;
};

TEST_F(EventListsTest, ShowTheLinesOfTheSelectedYear) {
  show(2000);
  const std::vector<std::string> term_items = items(terms);
  ASSERT_EQ(term_items.size(), 30u);
  EXPECT_EQ(term_items[0], "二十四節季");
  EXPECT_EQ(term_items[1], " 小寒 2000/ 1/ 6 09:51:51");
  EXPECT_EQ(term_items[29], " 啓蟄 2001/ 3/ 5 21:21:43");
  EXPECT_EQ(term_items, Term_list_lines(2000));

  const std::vector<std::string> phase_items = items(phases);
  ASSERT_EQ(phase_items.size(), 59u);
  EXPECT_EQ(phase_items[0], "月のこよみ");
  EXPECT_EQ(phase_items[1], " 新月 2000/ 1/ 7 03:09:55");
  EXPECT_EQ(phase_items[58], " 上弦 2001/ 3/ 3 10:58:35");
}

TEST_F(EventListsTest, EachRefreshReplacesTheWholeList) {
  terms.addItem("left over", -1);
  show(2001);
  show(-666);
  EXPECT_EQ(items(terms), Term_list_lines(-666));
  EXPECT_EQ(items(phases), Phase_list_lines(-666));
  EXPECT_EQ(items(phases)[1].substr(6, 4), "-666");
}

}  // namespace

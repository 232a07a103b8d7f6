// Lists: items as given, 14-pixel rows, and a scroll position that survives
// the refill every refresh does.
#include <gtest/gtest.h>

#include <string>

#include "app/toolkit/toolkit.h"
#include "qt_probe.h"

namespace {

class ListTest : public ::testing::Test {
 protected:
  ListTest() : window(nullptr, "window"), list(&window, "list") {
    list.initialize();
    list.setPropertyV(WSNitemHeight(), static_cast<unsigned char>(14));
    list.setPropertyV(WSNtitleString(), "title2");
    list.setPropertyV(WSNbarValue(), "");
    list.setPropertyV(WSNworkHeight(), static_cast<unsigned short>(106));
    list.setPropertyV(WSNwidth(), static_cast<unsigned short>(215));
    list.setPropertyV(WSNheight(), static_cast<unsigned short>(110));
    list.setPropertyV(WSNvis(), static_cast<unsigned char>(1));
    window.setPropertyV(WSNvis(), static_cast<unsigned char>(1));
  }

  void fill(int n) {
    list.delAll();
    for (int i = 0; i < n; ++i) list.addItem(("line " + std::to_string(i)).c_str(), -1);
  }

  WSCmainWindow window;
  WSClist list;
};

TEST_F(ListTest, KeepsItemsAsGiven) {
  list.addItem("2026/03/20 23:46 春分", -1);
  list.addItem("ｰ}ｰ}", -1);
  list.addItem("first", 0);
  ASSERT_EQ(list.itemCount(), 3);
  EXPECT_EQ(list.itemText(0), "first");
  EXPECT_EQ(list.itemText(1), "2026/03/20 23:46 春分");
  EXPECT_EQ(list.itemText(2), "ｰ}ｰ}");
  EXPECT_EQ(list.itemText(3), "");
  EXPECT_EQ(list.itemText(-1), "");
  list.delAll();
  EXPECT_EQ(list.itemCount(), 0);
}

TEST_F(ListTest, RowsAreItemHeightHigh) {
  fill(3);
  EXPECT_EQ(probe_item_height(&list, 0), 14);
  EXPECT_EQ(probe_item_height(&list, 2), 14);
}

TEST_F(ListTest, HeaderSettingsAreNotShown) {
  fill(1);
  EXPECT_EQ(list.itemText(0), "line 0");  // "title2" is no item
  EXPECT_EQ(list.itemCount(), 1);
}

TEST_F(ListTest, RefillKeepsScrollPosition) {
  fill(50);
  probe_process_events();
  ASSERT_GT(probe_scroll_maximum(&list), 20);
  probe_scroll_to(&list, 20);
  ASSERT_EQ(probe_scroll_value(&list), 20);
  fill(50);
  EXPECT_EQ(probe_scroll_value(&list), 20);
  probe_process_events();
  EXPECT_EQ(probe_scroll_value(&list), 20);
}

TEST_F(ListTest, RefillShorterClampsScrollPosition) {
  fill(50);
  probe_scroll_to(&list, 40);
  fill(25);
  probe_process_events();
  EXPECT_GT(probe_scroll_maximum(&list), 0);
  EXPECT_EQ(probe_scroll_value(&list), probe_scroll_maximum(&list));
  fill(3);  // fits: back at the top
  probe_process_events();
  EXPECT_EQ(probe_scroll_value(&list), 0);
}

TEST(ListDefaults, HeightFollowsWorkHeight) {
  WSCmainWindow window(nullptr, "window");
  WSClist list(&window, "list");
  list.initialize();
  list.setPropertyV(WSNitemHeight(), static_cast<unsigned char>(14));
  list.setPropertyV(WSNworkHeight(), static_cast<unsigned short>(26));
  list.setPropertyV(WSNy(), static_cast<short>(90));
  const ProbeRect r = probe_geometry(&list);
  EXPECT_GE(r.height, 26);     // one 14-pixel line shows whole
  EXPECT_LE(r.y + r.height, 130);  // and the list ends above the drawing area
}

}  // namespace

// A main window with the year-view list newlist_000, as the year view needs
// it, on the offscreen platform. The drawing area stays absent: the year view
// then skips clearing it.
#pragma once

#include <gtest/gtest.h>

#include "app/toolkit/application.h"
#include "app/widgets.h"

class YearViewListTest : public ::testing::Test {
 protected:
  YearViewListTest() : window_(nullptr, "newwin000"), list_(&window_, "newlist_000") {
    toolkit_ensure_application();
    list_.initialize();
    newlist_000 = &list_;
  }
  ~YearViewListTest() override { newlist_000 = nullptr; }

  const WSClist& list() const { return list_; }
  WSCmainWindow& window() { return window_; }

 private:
  WSCmainWindow window_;
  WSClist list_;
};

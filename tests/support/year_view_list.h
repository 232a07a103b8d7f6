// A main window with the year-view list newlist_000, as the year view needs
// it, on the offscreen platform. The drawing area stays absent: the year view
// then skips clearing it.
#pragma once

#include <gtest/gtest.h>

#include "app/selected_date.h"
#include "app/toolkit/application.h"
#include "app/widgets.h"
#include "calendar/year_view.h"

class YearViewListTest : public ::testing::Test {
 protected:
  YearViewListTest() : window_(nullptr, "newwin000"), list_(&window_, "newlist_000") {
    toolkit_ensure_application();
    list_.initialize();
    newlist_000 = &list_;
  }
  ~YearViewListTest() override { newlist_000 = nullptr; }

  // Selects the date as the date entry would and runs the year view.
  static void show(double year, double month, double day) {
    year_g = year;
    month_g = month;
    day_g = day;
    Disp_Wareki(nullptr);
  }

  WSClist& list() { return list_; }
  const WSClist& list() const { return list_; }
  WSCmainWindow& window() { return window_; }

 private:
  WSCmainWindow window_;
  WSClist list_;
};

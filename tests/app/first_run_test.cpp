// The first display: draw fills the empty fields with today's date. A process
// of its own, because draw's first run happens once per process.
#include <gtest/gtest.h>

#include "app/selected_date.h"
#include "main_window_fixture.h"
#include "qt_probe.h"

namespace {

TEST(FirstRun, FirstDisplayFillsTheFieldsWithToday) {
  const BuiltFields& built = build_main_window_once();
  ASSERT_EQ(built.year, "");
  ASSERT_TRUE(probe_timer_intervals().empty());

  // Showing the window draws the area, and drawing runs draw.
  probe_process_events();

  EXPECT_EQ(newvifi_000->getProperty(WSNlabelString()).text(), "2026");
  EXPECT_EQ(newvifi_001->getProperty(WSNlabelString()).text(), " 3");
  EXPECT_EQ(newvifi_003->getProperty(WSNlabelString()).text(), " 9");
  EXPECT_EQ(probe_shown_text(newvifi_001), " 3");
  EXPECT_EQ(year_g, 2026);
  EXPECT_EQ(month_g, 3);
  EXPECT_EQ(day_g, 9);
  EXPECT_EQ(probe_timer_intervals(), std::vector<int>{1000});

  // Later runs leave the fields to the user.
  probe_type_into(newvifi_001, "7");
  newvdra_001->redraw();
  probe_process_events();
  EXPECT_EQ(newvifi_001->getProperty(WSNlabelString()).text(), "7");
  EXPECT_EQ(month_g, 7);
  EXPECT_EQ(newvifi_000->getProperty(WSNlabelString()).text(), "2026");
}

}  // namespace

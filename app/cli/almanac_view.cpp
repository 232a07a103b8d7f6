#include "app/cli/almanac_view.h"

#include <cstdio>

#include "app/cli/grid_text.h"
#include "app/grid_layout.h"
#include "app/selected_date.h"
#include "app/widgets.h"
#include "calendar/year_grid.h"

namespace {

constexpr int kMonthRows = 13;
constexpr int kDayColumns = 30;

std::string utf8(const std::string& cp932) { return toolkit_cp932_to_utf8(cp932); }

std::vector<std::string> list_lines(const WSClist* list) {
  std::vector<std::string> lines;
  for (long i = 0; i < list->itemCount(); ++i) lines.push_back(utf8(list->itemText(i)));
  return lines;
}

// The year as a plain signed number, month and day in two digits. Adding
// 0.0 turns a negative zero into zero.
std::string selected_date_text() {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f-%02.0f-%02.0f", year_g + 0.0, month_g, day_g);
  return text;
}

std::vector<GridMonthView> grid_months() {
  std::vector<GridMonthView> months;
  for (int k = 1; k <= kMonthRows; ++k) {
    if (nichiji[0][k][0] == '\0') continue;
    GridMonthView month{utf8(nichiji[0][k]), {}};
    for (int j = 1; j <= kDayColumns; ++j) month.days.push_back({utf8(nichiji[j][k]), day_flag[j][k]});
    months.push_back(std::move(month));
  }
  return months;
}

}  // namespace

AlmanacView read_almanac_view() {
  AlmanacView view;
  view.date = selected_date_text();
  view.header = utf8(newvlab_013->getProperty(WSNlabelString()).text());
  view.line = newlist_000->itemCount() > 0 ? utf8(newlist_000->itemText(0)) : std::string();
  view.terms = list_lines(newlist_001);
  view.phases = list_lines(newlist_002);
  view.grid_title = utf8(Grid_Title_Text());
  view.grid_calendar = utf8(Grid_Calendar_Text());
  view.months = grid_months();
  for (const std::string& line : grid_text_lines()) view.grid_lines.push_back(utf8(line));
  return view;
}

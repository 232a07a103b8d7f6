#include "calendar/year_view.h"

#include "app/selected_date.h"
#include "app/widgets.h"
#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"
#include "calendar/wareki_line.h"
#include "calendar/year_grid.h"
#include "events/event_tables.h"

namespace {

// Paints the whole drawing area in the grid's background before anything is
// drawn on it, then leaves the colour black for what follows.
void clear_drawing_area() {
  if (newvdra_001 == nullptr) return;  // no main window built: nothing to clear
  newvdra_001->setForeColor("#ffffc8");
  newvdra_001->drawFillRect(0, 0, 1000, 600);
  newvdra_001->setForeColor("#000000");
}

}  // namespace

void Disp_Wareki(WSCbase*) {
  History_max = kKyuurekiCount;
  clear_drawing_area();

  const tagKyuurekiDate date = Kyuureki_Search(year_g, month_g, day_g);
  // A date before the table's first month has no lunar month; its own year
  // stands in and finds the emperor before 507 in Tennou3.
  const int view_year = Kyuureki_View_Year(date, year_g);
  Wareki_Line(year_g, date, History_Search(view_year, year_g, date.day_value));

  // Such a date belongs to no lunar year of the table, so its grid stays empty
  // rather than showing the first year the table knows.
  if (date.index < 0) {
    Year_Grid_Empty();
    return;
  }
  const int first = Kyuureki_Newyear(view_year, date.index);
  Year_Grid_Clear_Days();
  // The lists were built for year_g, which is one more than the view year for
  // a date in the last month or two of a lunar year: build the view year's own.
  const int moons = Moon_year_Cal0(view_year, kYearSpanDays);
  const int terms = Sun_year_Cal0(view_year, kYearSpanDays);
  Year_Grid_Fill(first, moons, terms);
}

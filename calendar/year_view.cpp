#include "calendar/year_view.h"

#include "app/selected_date.h"
#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"
#include "calendar/wareki_line.h"

void Disp_Wareki(WSCbase*) {
  History_max = kKyuurekiCount;

  // (Clearing the drawing area goes here, before the line.)

  const tagKyuurekiDate date = Kyuureki_Search(year_g, month_g, day_g);
  // A date before the table's first month has no lunar month; its own year
  // stands in and finds the emperor before 507 in Tennou3.
  const int view_year = Kyuureki_View_Year(date, year_g);
  Wareki_Line(year_g, date, History_Search(view_year, year_g, date.day_value));

  // (The year grid of the view year follows here: Kyuureki_Newyear, the event
  // tables of the view year and the cells of nichiji and day_flag.)
}

#include "app/refresh.h"

#include "app/grid_drawing.h"
#include "calendar/year_view.h"
#include "events/event_lists.h"

namespace {

// Solar terms, lunar phases, then the year view, which blanks the drawing
// area and fills the grid: the same order in both procedures.
void refresh_views(WSCbase* w) {
  Sun_year_Cal(w);
  Moon_year_Cal(w);
  Disp_Wareki(w);
}

}  // namespace

void draw_refresh(WSCbase* w) {
  refresh_views(w);
  // After the year view, which has just blanked the area and filled the grid.
  Disp_Calendar(w);
}

void wareki_refresh(WSCbase* w) {
  refresh_views(w);
  // The grid is not drawn here; it comes back at the next run of draw.
  w->refresh();
}

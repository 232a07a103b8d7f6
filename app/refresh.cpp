#include "app/refresh.h"

// The views are called in this order in both procedures:
//   Sun_year_Cal(w); Moon_year_Cal(w); Disp_Wareki(w);
// and draw then draws the grid that Disp_Wareki has filled: Disp_Calendar(w).

void draw_refresh([[maybe_unused]] WSCbase* w) {
}

void wareki_refresh(WSCbase* w) {
  // The grid is not drawn here; it comes back at the next run of draw.
  w->refresh();
}

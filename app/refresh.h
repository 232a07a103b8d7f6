// The views each procedure runs once it has taken up the selected date.
#pragma once

#include "app/toolkit/toolkit.h"

// After draw: solar terms, lunar phases, the year view, then the grid.
void draw_refresh(WSCbase* w);
// After wareki: solar terms, lunar phases, the year view, then the button shows.
void wareki_refresh(WSCbase* w);

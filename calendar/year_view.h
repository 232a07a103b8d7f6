// The year view: the year-view line of the selected date and the year grid.
#pragma once

class WSCbase;

// Runs on every refresh for year_g, month_g, day_g; the widget is not used.
void Disp_Wareki(WSCbase* widget);

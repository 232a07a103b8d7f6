// Draws the year grid that the year view has filled into the drawing area.
#pragma once

class WSCbase;

// Title with the selected year, calendar system and colour legend, then one
// column per lunar month and one line per day, each cell coloured by its
// marker. The widget is not used; the area is newvdra_001.
void Disp_Calendar(WSCbase* w);

// The three functions the toolkit calls after start-up, one at a time.
#pragma once

#include "app/toolkit/toolkit.h"

// Procedure of the drawing area newvdra_001: takes up today's date and the
// fields, then refreshes every view. Runs whenever the area is drawn.
void draw(WSCbase* w);
// Procedure of the button newvbtn_004 "和暦表示": takes up the fields, then
// refreshes the lists and the year view.
void wareki(WSCbase* w);
// Timer procedure: asks the drawing area (data) to redraw, which runs draw.
void timerHandler(unsigned char, void* data);

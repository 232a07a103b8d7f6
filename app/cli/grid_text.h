// The year grid as the drawing area shows it, in lines of text. Each text is
// put where the drawing puts it, one byte per half-width character cell of
// the grid's 12-pixel font, and blanks paint nothing, as on the picture.
// All texts are CP932.
#pragma once

#include <string>
#include <vector>

// The title line with the calendar system and the legend, the line of month
// headers, then one line per day of the month; empty lines and trailing
// blanks dropped.
std::vector<std::string> grid_text_lines();

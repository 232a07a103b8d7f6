// The selected date: written only by the date entry, read by every view.
#pragma once

extern double year_g;   // astronomical numbering, -666 to 2050
extern double month_g;  // 1 to 12
extern double day_g;    // 1 to 31 (not checked against the month's length)

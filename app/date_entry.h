// Taking up the selected date from the clock and from the three fields.
#pragma once

#include <ctime>

// Where today comes from; tests replace it to fix the date.
extern std::time_t (*date_entry_clock)();

// Sets year_g, month_g and day_g to today's local date.
void take_today();
// Reads the year, month and day fields in that order; each value whose
// integer lies in its range is stored as its double, the others are ignored.
void read_date_fields();

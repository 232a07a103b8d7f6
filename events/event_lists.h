// The solar-term list (newlist_001) and the lunar-phase list (newlist_002).
#pragma once

#include <string>
#include <vector>

class WSCbase;

// The lines of each list for `year`: the header, then one line per event of
// the 431 days from 1 January (CP932).
std::vector<std::string> Term_list_lines(double year);
std::vector<std::string> Phase_list_lines(double year);

// Replace the content of the list with the lines of year_g. `w` is the
// widget whose procedure runs the refresh; it is not used.
void Sun_year_Cal(WSCbase* w);
void Moon_year_Cal(WSCbase* w);

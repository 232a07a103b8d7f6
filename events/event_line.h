// One line of the phase or term list.
#pragma once

#include <string>

// "%5s %4.0f/%2.0f/%2.0f %02.0f:%02.0f:%02.0f": the name, then the date and
// time of Julian day `jd` in Japan Standard Time, to the second (CP932).
// A time whose seconds round to 60 is carried into the minutes, hours and,
// if it comes to that, the date.
std::string Event_line(const std::string& name, double jd);

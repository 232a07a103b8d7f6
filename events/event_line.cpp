#include "events/event_line.h"

#include <cmath>
#include <cstdio>

#include "engine/julian_day.h"

namespace {

constexpr double kZone = 135.0;

// Moves the civil date one day on, across month, year and the 1582 reform.
void next_day(double* y, double* m, double* d) {
  double hour = 0;
  Calendar(JD(*y, *m, *d + 1, 0, kZone), y, m, d, &hour, 1, kZone);
}

}  // namespace

std::string Event_line(const std::string& name, double jd) {
  double y = 0, m = 0, d = 0, h = 0;
  Calendar(jd, &y, &m, &d, &h, 1, kZone);
  double hh = std::floor(h);
  double mm = std::floor((h - hh) * 60.0);
  double ss = 3600.0 * h - 3600.0 * hh - 60.0 * mm;

  // The remainder can come out a hair below zero; it would print as "-0".
  if (ss < 0) ss = 0.0;
  // "%02.0f" rounds as nearbyint does; what would print as 60 carries.
  if (std::nearbyint(ss) >= 60.0) {
    ss = 0.0;
    mm += 1;
  }
  if (mm >= 60.0) {
    mm -= 60.0;
    hh += 1;
  }
  if (hh >= 24.0) {
    hh -= 24.0;
    next_day(&y, &m, &d);
  }

  char line[64];
  std::snprintf(line, sizeof line, "%5s %4.0f/%2.0f/%2.0f %02.0f:%02.0f:%02.0f", name.c_str(), y, m, d, hh, mm,
                ss);
  return line;
}

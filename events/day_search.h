// The search of one day for a lunar phase or a solar term, and the angles it
// follows.
#pragma once

// Elongation of the Moon from the Sun's apparent longitude at Julian day `t`,
// in -20 (exclusive) to 340; a new moon is a rise through 0. Recomputes the
// global Moon and Sun.
double phase_angle_at(double t);

// The Sun's apparent longitude at `t`, in -10 (exclusive) to 350; 春分 is a
// rise through 0. Recomputes the global Sun.
double term_angle_at(double t);

// What the search of one day found: the event time (0 when the day has none),
// the target angle it aimed at, and the passes it took.
struct DaySearch {
  double jd;
  double angle;
  int passes;
};

// Searches the day from midnight `t0` to midnight `t1` (Julian days) by
// trisection, at most 31 passes; the event time is the start of the first
// interval across which the angle changes by less than 0.01 degree.
DaySearch search_phase_day(double t0, double t1);
DaySearch search_term_day(double t0, double t1);

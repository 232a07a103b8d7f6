#include "calendar/year_grid.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "calendar/day_attributes.h"
#include "calendar/kyuureki.h"
#include "engine/julian_day.h"
#include "events/event_tables.h"

char nichiji[kGridColumns][kGridRows][kGridCellBytes];
std::int32_t day_flag[kGridColumns][kGridRows];

namespace {

constexpr int kMonthRows = 13;
constexpr int kWrittenColumns = 32;  // 0 to 31: labels, 30 days, an always empty 31
constexpr int kShortMonth = 29;
constexpr int kLongMonth = 30;

// The day value (12:00 JST) of a day number (the integer Julian day of noon UT).
constexpr double kNoonJstFromDayNumber = -0.375;

void set_text(int column, int row, const char* text) {
  std::snprintf(nichiji[column][row], kGridCellBytes, "%s", text);
}

void empty_row(int row, int last_column) {
  for (int c = 0; c <= last_column; ++c) {
    nichiji[c][row][0] = '\0';
    day_flag[c][row] = kMarkNone;
  }
}

// Running start indexes of the two scans over one lunar year. Each advances by
// two per matched new moon or middle term: Tsuki holds four phases per
// lunation and Sekki24 alternates odd and even multiples of 15 degrees, so the
// start never passes an event a later day still needs.
struct tagScan {
  int moons;  // records of Tsuki to look at
  int terms;  // records of Sekki24 to look at
  int i_m = 0;
  int i_s = 0;
};

bool falls_on(const tagEvent& e, double y, double d) { return e.year == y && e.day == d; }

// Full moon or new moon on the civil date (y, mo, d): appends its mark.
void moon_scan(tagScan& scan, double y, double mo, double d, char* marks, std::int32_t& marker) {
  for (int i = scan.i_m; i < scan.moons; ++i) {
    const tagEvent& e = Tsuki[i];
    if (e.month != mo) continue;
    if (falls_on(e, y, d) && e.angle == 180) {
      std::strcat(marks, "○");
      marker = kMarkFullMoon;
      return;
    }
    if (e.angle == 0 && falls_on(e, y, d)) {
      std::strcat(marks, "●");
      marker = kMarkNewMoon;
      scan.i_m += 2;
      return;
    }
  }
}

// A middle solar term (a multiple of 30 degrees) on the civil date: appends "*".
void term_scan(tagScan& scan, double y, double mo, double d, char* marks, std::int32_t& marker) {
  for (int i = scan.i_s; i < scan.terms; ++i) {
    const tagEvent& e = Sekki24[i];
    if (e.month != mo || std::fmod(e.angle, 30) != 0) continue;
    if (falls_on(e, y, d)) {
      std::strcat(marks, "*");
      marker = kMarkMiddleTerm;
      scan.i_s += 2;
      return;
    }
  }
}

// "閏" for a leap month, else the ideographic space, then the month number.
void write_label(int row, const tagKyuureki& month) {
  std::snprintf(nichiji[0][row], kGridCellBytes, "%s%2d", month.month_flag == 2 ? "閏" : "　",
                month.lunar_month);
}

// Six blanks, the day's stem and branch, the civil month and day, the marks.
void write_day(tagScan& scan, int column, int row, double day_value) {
  double year = 0, month = 0, day = 0, hour = 0;
  Calendar(day_value, &year, &month, &day, &hour, 1, 135);
  std::int32_t& marker = day_flag[column][row];
  marker = kMarkNone;
  char marks[4] = "";  // "○" or "●" (two bytes), then "*"
  moon_scan(scan, year, month, day, marks, marker);
  term_scan(scan, year, month, day, marks, marker);
  char kanshi[8];
  Day_Kanshi(day_value, kanshi, sizeof kanshi);
  std::snprintf(nichiji[column][row], kGridCellBytes, "      %s%2.0f %2.0f%s", kanshi, month, day, marks);
}

void write_month(tagScan& scan, int row, int index) {
  const int days = Kyuureki_Month_Length(index) == kShortMonth ? kShortMonth : kLongMonth;
  write_label(row, Kyuureki[index]);
  const double first_day = Kyuureki_first_day[index] + kNoonJstFromDayNumber;
  for (int j = 1; j <= days; ++j) write_day(scan, j, row, first_day + j - 1);
  if (days == kShortMonth) {
    set_text(kLongMonth, row, "       ");
    day_flag[kLongMonth][row] = kMarkNone;
  }
}

void write_header() {
  for (int c = 1; c <= kLongMonth; ++c) std::snprintf(nichiji[c][0], kGridCellBytes, "%2d", c);
  nichiji[kWrittenColumns - 1][0][0] = '\0';
}

}  // namespace

void Year_Grid_Clear_Days() {
  for (int r = 0; r <= kMonthRows; ++r)
    for (int c = 1; c < kWrittenColumns; ++c) nichiji[c][r][0] = '\0';
}

void Year_Grid_Empty() {
  for (int r = 0; r <= kMonthRows; ++r) empty_row(r, kWrittenColumns - 1);
}

void Year_Grid_Fill(int first, int moons, int terms) {
  tagScan scan{moons, terms};
  for (int k = 1; k <= kMonthRows; ++k) {
    const int index = first + k - 1;
    // The thirteenth month exists only when it is the twelfth of a leap year;
    // the table's end also ends the year.
    const bool in_table = index >= 0 && index < kKyuurekiCount;
    if (!in_table || (k == kMonthRows && Kyuureki[index].lunar_month != 12)) {
      for (int r = k; r <= kMonthRows; ++r) empty_row(r, kLongMonth);
      break;
    }
    write_month(scan, k, index);
  }
  write_header();
}

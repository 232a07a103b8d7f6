// From a civil date to the old lunisolar calendar: the month that holds the
// date, the day of that month, the first month of a lunar year, month lengths.
#pragma once

#include "calendar/tables/kyuureki_table.h"

// Where a civil date falls in the month table.
struct tagKyuurekiDate {
  int index;         // of the containing month in Kyuureki; -1 when none holds the date
  int lunar_day;     // 1 to 30; 0 when there is no containing month
  double day_value;  // Julian day of 12:00 JST on the date (always set)
};

// Finds the month holding the civil date (whole numbers; a day past the end
// of its month runs on into the next). Dates before -666-02-06 and after the
// table's last month have no containing month.
tagKyuurekiDate Kyuureki_Search(double year, double month, double day);

// Index of the first month (lunar_month 1) of the lunar year that begins in
// civil year `view_year`; `fallback` (the containing month) if there is none.
int Kyuureki_Newyear(int view_year, int fallback);

// Days in the month at `index`: 29 or 30. The table's last month has no
// successor and counts 30. An index outside the table has no month: 0.
int Kyuureki_Month_Length(int index);

// The view year of a date: the civil year in which its containing month
// begins (2024-01-05, in the month begun 2023-12-13, has view year 2023). A
// date with no containing month stands for itself: its own civil year.
int Kyuureki_View_Year(const tagKyuurekiDate& date, double year);

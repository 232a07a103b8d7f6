// Names of a day and a year: weekday, rokuyou, the sexagenary stem and branch,
// lunar mansion. Each is an index into a name table of calendar/tables.
// The day rules take the day value D (Julian day at 12:00 JST, a whole day
// number less 0.375); with J the day number they are (J + 1) mod 7,
// (J - 1) mod 10, (J + 1) mod 12 and (J + 12) mod 28.
#pragma once

#include <cstddef>

int Weekday_Index(double day_value);     // week_j
int Day_Kan_Index(double day_value);     // _10kan
int Day_Shi_Index(double day_value);     // _12shi
int Shuku_Index(double day_value);       // _28shuku
int Rokuyou_Index(int lunar_month, int lunar_day);  // _6you; a leap month counts as its number
int Year_Kan_Index(double year);         // _10kan, from the civil year
int Year_Shi_Index(double year);         // _12shi, from the civil year

// Stem and branch of the day as one Shift_JIS text of two kanji.
void Day_Kanshi(double day_value, char* out, std::size_t size);

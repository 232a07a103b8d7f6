// The year grid: the months of one lunar year with their days, the civil date
// of each day and its marks for new moon, full moon and middle solar term.
// Indexed [column][row]: row 0 is the header of day numbers, rows 1 to 13 the
// months; column 0 holds the month labels, columns 1 to 30 the days.
#pragma once

#include <cstdint>

inline constexpr int kGridColumns = 39;
inline constexpr int kGridRows = 15;
inline constexpr int kGridCellBytes = 20;  // a Shift_JIS text of at most 18 bytes and its NUL

// Markers of day_flag.
inline constexpr std::int32_t kMarkNone = 0;
inline constexpr std::int32_t kMarkNewMoon = 1;
inline constexpr std::int32_t kMarkFullMoon = 15;
inline constexpr std::int32_t kMarkMiddleTerm = 24;  // wins over a moon mark on the same day

extern char nichiji[kGridColumns][kGridRows][kGridCellBytes];
extern std::int32_t day_flag[kGridColumns][kGridRows];

// Empties the texts of columns 1 to 31 in rows 0 to 13 (the labels stay).
void Year_Grid_Clear_Days();

// Empties every text that is ever written (rows 0 to 13, columns 0 to 31) and
// zeroes its marker: the grid of a date that has no lunar month.
void Year_Grid_Empty();

// Fills rows 1 to 13 with the lunar year whose first month is Kyuureki[first],
// marking the days from the first `moons` records of Tsuki and the first
// `terms` records of Sekki24, then writes the header row. A year of twelve
// months leaves row 13 empty.
void Year_Grid_Fill(int first, int moons, int terms);

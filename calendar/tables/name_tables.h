// Short name tables of the year-view line, Shift_JIS, indexed from 0.
#pragma once

extern const char* const week_j[7];     // weekdays; 0 is Sunday
extern const char* const _6you[6];      // rokuyou
extern const char* const _10kan[10];    // the ten heavenly stems
extern const char* const _12shi[12];    // the twelve earthly branches
extern const char* const _28shuku[28];  // lunar mansions; 0 is 軫, then 角 to 翼

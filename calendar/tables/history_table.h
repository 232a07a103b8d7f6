// Years with their period, era and emperor (507 to 2041), and the emperors
// before 507. Text is Shift_JIS, NUL-padded to each field's width.
#pragma once

#include <cstdint>

struct tagHistory {
  std::int32_t year;     // civil year; -1 in the end record
  char jidai[6];         // period
  char gengou[12];       // era, or (emperor 天皇) in a year without an era
  char gengou_yomi[20];  // reading in half-width katakana
  char gengou_year[10];  // year of the era, decimal
  char tennou[20];       // reigning emperor without title
  char tennou_yomi[20];
  char tennou_year[10];  // year of the reign, decimal
  char kan[5];           // the year's heavenly stem
  char shi[5];           // the year's earthly branch
};

// One record per year from 507 to 2041 in ascending order; 1221, 1912, 1926,
// 1989 and 2019 have two, the one before the change first. The end record
// (year -1, otherwise a copy of 2041) closes the table. The northern court's
// second run of 1329-1391 is not carried: no lookup would ever reach it.
inline constexpr int kHistoryCount = 1541;
extern const tagHistory History_table[kHistoryCount];

struct tagTennou {
  char name[20];      // in parentheses, with its title
  std::int32_t year;  // first civil year of the reign
};

// Emperors from -666 to 588, ascending by year. Row i covers its own year up
// to the year before row i + 1; the last row only bounds the one before it.
inline constexpr int kTennou3Count = 34;
extern const tagTennou Tennou3[kTennou3Count];

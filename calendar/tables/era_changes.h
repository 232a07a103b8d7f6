// The days on which the second record of a doubled History_table year takes
// over from the first. Civil dates: Julian for 1221, Gregorian otherwise.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/day_number.h"

struct tagEraChange {
  std::int32_t year;       // the doubled year
  std::int32_t first_day;  // Julian day number from which its second record holds
};

inline constexpr std::array<tagEraChange, 5> Era_changes = {{
    {1221, Day_Number(1221, 5, 13)},   // 承久3年4月20日: 仲恭 succeeds 順徳
    {1912, Day_Number(1912, 7, 30)},   // 大正 begins
    {1926, Day_Number(1926, 12, 25)},  // 昭和 begins
    {1989, Day_Number(1989, 1, 8)},    // 平成 begins
    {2019, Day_Number(2019, 5, 1)},    // 令和 begins
}};

// Names of the lunar phases and the 24 solar terms, CP932.
#pragma once

#include <string>

// 新月, 上弦, 満月 or 下弦 for the angles 0, 90, 180 and 270 (four bytes).
std::string Phase_name(double angle);

// The solar term at `angle` (a multiple of 15): 春分 at 0, 清明 at 15, ...
// 啓蟄 at 345 (four bytes).
std::string Term_name(double angle);

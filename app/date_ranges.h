// What each date field accepts, and how a field's value is taken up: by its
// integer against the range, then stored as its double.
#pragma once

#include "app/toolkit/variant.h"

struct tagFieldRange {
  int low, high;  // both ends accepted
};

inline constexpr tagFieldRange kYearRange{-666, 2050};
inline constexpr tagFieldRange kMonthRange{1, 12};
inline constexpr tagFieldRange kDayRange{1, 31};  // not tested against the month's length

// Stores the value's double in target when its integer lies in range and
// returns true; otherwise leaves target alone. The double is stored, not the
// integer that passed the test: a stored value is never truncated.
bool take_field_value(const WSCvariant& value, tagFieldRange range, double& target);

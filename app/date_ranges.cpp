#include "app/date_ranges.h"

bool take_field_value(const WSCvariant& value, tagFieldRange range, double& target) {
  const int n = static_cast<int>(value);
  if (n < range.low || n > range.high) return false;
  target = static_cast<double>(value);
  return true;
}

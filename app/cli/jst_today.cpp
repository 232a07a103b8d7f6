#include "app/cli/jst_today.h"

CliDate jst_today(std::time_t now) {
  constexpr std::time_t kNineHours = 9 * 60 * 60;
  const std::time_t jst = now + kNineHours;
  std::tm broken{};
  gmtime_r(&jst, &broken);  // UTC shifted by nine hours reads as JST
  return {broken.tm_year + 1900, broken.tm_mon + 1, broken.tm_mday};
}

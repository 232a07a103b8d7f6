#include "events/event_names.h"

#include <cstring>

namespace {

// Two kanji, four bytes, per entry.
constexpr char kPhaseNames[] = "新月上弦満月下弦";
constexpr char kTermNames[] =
    "春分清明穀雨立夏小満芒種夏至小暑大暑立秋処暑白露秋分寒露霜降立冬小雪大雪冬至小寒大寒立春雨水啓蟄";
constexpr int kNameBytes = 4;

// Entry trunc(angle / step); an angle outside the table names nothing.
std::string entry(const char* names, double angle, double step) {
  const int count = static_cast<int>(std::strlen(names)) / kNameBytes;
  if (!(angle >= 0) || angle / step >= count) return {};
  const int index = static_cast<int>(angle / step);
  return std::string(names + kNameBytes * index, kNameBytes);
}

}  // namespace

std::string Phase_name(double angle) { return entry(kPhaseNames, angle, 90.0); }

std::string Term_name(double angle) { return entry(kTermNames, angle, 15.0); }

#include "app/grid_layout.h"

#include <cstdio>

#include "app/selected_date.h"
#include "calendar/year_grid.h"

namespace {

constexpr const char* kBlack = "#000000";
constexpr const char* kBlue = "#0000ff";
constexpr const char* kGreen = "#00ff00";
constexpr const char* kRed = "#ff0000";

constexpr int kMonthRows = 13;
constexpr int kLastDay = kGridColumns - 1;  // 38; from 31 on the rows are empty
constexpr int kColumnStep = 72;             // twelve bytes of the 12-pixel font
constexpr int kLineStep = 13;
constexpr int kHeaderY = 20;
constexpr int kTitleY = 5;
constexpr unsigned long kBoxWidth = 100;

// Every text goes through a 20-byte buffer like the grid's own cells.
template <typename... Args>
std::string formatted(const char* format, Args... args) {
  char text[kGridCellBytes];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

const char* marker_colour(std::int32_t marker) {
  switch (marker) {
    case kMarkNewMoon: return kGreen;
    case kMarkMiddleTerm: return kRed;
    case kMarkFullMoon: return kBlue;
    default: return kBlack;
  }
}

// Twelve months unless the thirteenth has a label.
int month_columns() { return nichiji[0][kMonthRows][0] != '\0' ? kMonthRows : kMonthRows - 1; }

}  // namespace

std::string Grid_Title_Text() { return formatted(" %4.0f年和暦表示", year_g); }

const char* Grid_Calendar_Text() { return year_g > 1582 ? "グレゴリオ暦" : "ユリウス暦"; }

std::vector<tagGridText> Grid_Layout() {
  std::vector<tagGridText> texts;
  texts.reserve(8 + kLastDay * (1 + kMonthRows));
  const int months = month_columns();
  for (int k = 1; k <= months; ++k) {
    if (nichiji[0][k][0] == '\0') continue;
    texts.push_back({40 + kColumnStep * (k - 1), kHeaderY, kBoxWidth, kBlue,
                     formatted("    %2s月", nichiji[0][k])});
  }
  // The day column's header and the title share the month headers' blue, also
  // for a date with no lunar year, whose grid has no month to head.
  texts.push_back({10, kHeaderY, kBoxWidth, kBlue, "日"});
  texts.push_back({0, kTitleY, kBoxWidth, kBlue, Grid_Title_Text()});
  texts.push_back({150, kTitleY, kBoxWidth, kBlue, Grid_Calendar_Text()});
  texts.push_back({250, kTitleY, kBoxWidth, kGreen, "● 印　朔日"});
  texts.push_back({350, kTitleY, 110, kRed, "* 印　二十四節季中"});
  texts.push_back({500, kTitleY, kBoxWidth, kBlue, "○ 印　満月"});

  for (int d = 1; d <= kLastDay; ++d) {
    const long y = kHeaderY + kLineStep * d;
    texts.push_back({10, y, kBoxWidth, kBlue, formatted("%2s", nichiji[d][0])});
    for (int k = 1; k <= months; ++k)
      texts.push_back({10 + kColumnStep * (k - 1), y, kBoxWidth, marker_colour(day_flag[d][k]),
                       formatted("%10s", nichiji[d][k])});
  }
  return texts;
}

#include "app/grid_drawing.h"

#include <cstdio>

#include "app/selected_date.h"
#include "app/widgets.h"
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
constexpr unsigned long kBoxHeight = 20;

// Every text goes through a 20-byte buffer like the grid's own cells.
template <typename... Args>
void text_at(long x, long y, const char* format, Args... args) {
  char text[kGridCellBytes];
  std::snprintf(text, sizeof text, format, args...);
  newvdra_001->drawString(x, y, kBoxWidth, kBoxHeight, 1, 0, text, -2);
}

void legend(long x, const char* colour, const char* text, unsigned long width = kBoxWidth) {
  newvdra_001->setForeColor(colour);
  newvdra_001->drawString(x, kTitleY, width, kBoxHeight, 1, 0, text, -2);
  newvdra_001->setForeColor(kBlack);
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

void Disp_Calendar(WSCbase*) {
  const int months = month_columns();
  for (int k = 1; k <= months; ++k) {
    if (nichiji[0][k][0] == '\0') continue;
    newvdra_001->setForeColor(kBlue);
    text_at(40 + kColumnStep * (k - 1), kHeaderY, "    %2s月", nichiji[0][k]);
  }
  // The day column's header and the title share the month headers' blue, also
  // for a date with no lunar year, whose grid has no month to head.
  newvdra_001->setForeColor(kBlue);
  text_at(10, kHeaderY, "%s", "日");
  text_at(0, kTitleY, " %4.0f年和暦表示", year_g);
  newvdra_001->setForeColor(kBlue);
  text_at(150, kTitleY, "%s", year_g > 1582 ? "グレゴリオ暦" : "ユリウス暦");
  newvdra_001->setForeColor(kBlack);

  legend(250, kGreen, "● 印　朔日");
  legend(350, kRed, "* 印　二十四節季中", 110);
  legend(500, kBlue, "○ 印　満月");

  for (int d = 1; d <= kLastDay; ++d) {
    const long y = kHeaderY + kLineStep * d;
    newvdra_001->setForeColor(kBlue);
    text_at(10, y, "%2s", nichiji[d][0]);
    newvdra_001->setForeColor(kBlack);
    for (int k = 1; k <= months; ++k) {
      newvdra_001->setForeColor(marker_colour(day_flag[d][k]));
      text_at(10 + kColumnStep * (k - 1), y, "%10s", nichiji[d][k]);
      newvdra_001->setForeColor(kBlack);
    }
  }
}

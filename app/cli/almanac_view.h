// What the almanac window shows, read back from its widgets and the year
// grid, as UTF-8 texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GridDayView {
  std::string text;
  std::int32_t marker = 0;
};

struct GridMonthView {
  std::string label;
  std::vector<GridDayView> days;  // day columns 1 to 30
};

struct AlmanacView {
  std::string date;               // the selected date, e.g. "-666-03-01"
  std::string header;             // column header above the year-view line
  std::string line;               // the year-view line
  std::vector<std::string> terms;   // solar-term list, header first
  std::vector<std::string> phases;  // lunar-phase list, header first
  std::string grid_title;         // e.g. " 2023年和暦表示"
  std::string grid_calendar;      // グレゴリオ暦 or ユリウス暦
  std::vector<GridMonthView> months;  // month rows whose label is not empty
  std::vector<std::string> grid_lines;  // the grid as drawn, one text line per line of the picture
};

// Reads the window as its last refresh left it.
AlmanacView read_almanac_view();

// Where every text of the year grid goes, in the order it is drawn: the one
// description that the drawing area and the terminal output both follow, so
// their texts cannot drift apart.
#pragma once

#include <string>
#include <vector>

struct tagGridText {
  long x, y;            // top left of the text's box in the drawing area
  unsigned long width;  // of the box; a longer text is still drawn whole
  const char* colour;   // "#rrggbb"
  std::string text;     // CP932; blanks paint nothing
};

inline constexpr unsigned long kGridBoxHeight = 20;

// The title as drawn for year_g, e.g. " 2023年和暦表示".
std::string Grid_Title_Text();
// The calendar system drawn beside the title: "グレゴリオ暦" after 1582, else "ユリウス暦".
const char* Grid_Calendar_Text();

// Month headers, the day column's header, title, calendar system and legend,
// then the day lines 1 to 38, each cell in the colour of its marker; read
// from nichiji, day_flag and year_g.
std::vector<tagGridText> Grid_Layout();

#include "app/cli/grid_text.h"

#include <cstdio>

#include "app/selected_date.h"
#include "calendar/year_grid.h"

namespace {

// A half-width character of the grid's 12-pixel font is 6 pixels wide and a
// kanji 12, so a pixel column x is the character column x / 6.
constexpr int kPixelsPerColumn = 6;
constexpr int kMonthStep = 72;
constexpr int kMonthRows = 13;
constexpr int kDaysShown = 30;

bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// One line of the picture: texts put at pixel columns, ASCII blanks leaving what is
// under them.
class TextLine {
 public:
  void put(int x, const std::string& text) {
    std::size_t col = static_cast<std::size_t>(x / kPixelsPerColumn);
    for (std::size_t i = 0; i < text.size(); ++col, ++i) {
      const unsigned char b = static_cast<unsigned char>(text[i]);
      const std::size_t width = is_lead_byte(b) && i + 1 < text.size() ? 2 : 1;
      if (b != ' ') {
        if (bytes_.size() < col + width) bytes_.resize(col + width, ' ');
        bytes_.replace(col, width, text, i, width);
      }
      col += width - 1;
      i += width - 1;
    }
  }
  const std::string& text() const { return bytes_; }

 private:
  std::string bytes_;
};

template <typename... Args>
std::string formatted(const char* format, Args... args) {
  char text[kGridCellBytes];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

// Twelve month columns unless the thirteenth month has a label.
int month_columns() { return nichiji[0][kMonthRows][0] != '\0' ? kMonthRows : kMonthRows - 1; }

int month_x(int k) { return 10 + kMonthStep * (k - 1); }

}  // namespace

std::string grid_title_text() { return formatted(" %4.0f年和暦表示", year_g); }

const char* grid_calendar_text() { return year_g > 1582 ? "グレゴリオ暦" : "ユリウス暦"; }

std::vector<std::string> grid_text_lines() {
  const int months = month_columns();
  std::vector<std::string> lines;

  TextLine title;
  title.put(0, grid_title_text());
  title.put(150, grid_calendar_text());
  title.put(250, "● 印　朔日");
  title.put(350, "* 印　二十四節季中");
  title.put(500, "○ 印　満月");
  lines.push_back(title.text());

  TextLine headers;
  headers.put(10, "日");
  for (int k = 1; k <= months; ++k)
    if (nichiji[0][k][0] != '\0') headers.put(month_x(k) + 30, formatted("    %2s月", nichiji[0][k]));
  lines.push_back(headers.text());

  for (int d = 1; d <= kDaysShown; ++d) {
    TextLine row;
    row.put(10, formatted("%2s", nichiji[d][0]));
    for (int k = 1; k <= months; ++k) row.put(month_x(k), formatted("%10s", nichiji[d][k]));
    if (!row.text().empty()) lines.push_back(row.text());
  }
  return lines;
}

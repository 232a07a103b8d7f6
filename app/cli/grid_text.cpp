#include "app/cli/grid_text.h"

#include <map>

#include "app/grid_layout.h"

namespace {

// A half-width character of the grid's 12-pixel font is 6 pixels wide and a
// kanji 12, so a pixel column x is the character column x / 6.
constexpr int kPixelsPerColumn = 6;

bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// One line of the picture: texts put at pixel columns, ASCII blanks leaving what is
// under them.
class TextLine {
 public:
  void put(long x, const std::string& text) {
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

}  // namespace

std::vector<std::string> grid_text_lines() {
  std::map<long, TextLine> by_line;  // keyed by y, so lines come top to bottom
  for (const tagGridText& t : Grid_Layout()) by_line[t.y].put(t.x, t.text);

  std::vector<std::string> lines;
  for (const auto& [y, line] : by_line)
    if (!line.text().empty()) lines.push_back(line.text());
  return lines;
}

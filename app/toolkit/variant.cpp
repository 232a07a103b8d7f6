#include "app/toolkit/variant.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

bool is_cp932_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The ASCII character a full-width (two-byte CP932) character stands for in a
// number, or 0. An input method in Japanese mode types these.
char ascii_of_full_width(unsigned char lead, unsigned char trail) {
  if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) return static_cast<char>('0' + (trail - 0x4F));
  if (lead == 0x81) {
    switch (trail) {
      case 0x40: return ' ';  // ideographic space
      case 0x7C: return '-';  // full-width minus, also where U+2212 lands
      case 0x7B: return '+';
      case 0x44: return '.';
      case 0x43: return ',';  // never part of a number, but keeps the text "not a number"
      default: return 0;
    }
  }
  return 0;
}

// Folds full-width characters into ASCII; anything that cannot be part of a
// number becomes 'x' so that the text stays rejected.
std::string fold_to_ascii(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (is_cp932_lead(c) && i + 1 < text.size()) {
      const char a = ascii_of_full_width(c, static_cast<unsigned char>(text[i + 1]));
      out += a != 0 ? a : 'x';
      ++i;
    } else {
      out += c == '\t' ? ' ' : static_cast<char>(c);
    }
  }
  return out;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool toolkit_parse_number(const std::string& cp932_text, double& value) {
  const std::string s = fold_to_ascii(cp932_text);
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return false;
  const std::size_t e = s.find_last_not_of(' ') + 1;
  const std::string body = s.substr(b, e - b);

  // [sign] digits [. digits] | [sign] . digits
  std::size_t i = 0;
  if (body[i] == '+' || body[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < body.size() && is_digit(body[i])) ++i, ++digits;
  if (i < body.size() && body[i] == '.') {
    ++i;
    while (i < body.size() && is_digit(body[i])) ++i, ++digits;
  }
  if (digits == 0 || i != body.size()) return false;
  value = std::strtod(body.c_str(), nullptr);
  return std::isfinite(value);
}

WSCvariant::WSCvariant(std::string cp932_text) : text_(std::move(cp932_text)) {}

WSCvariant::WSCvariant(long number) : text_(std::to_string(number)) {}

WSCvariant::operator int() const {
  double v = 0.0;
  if (!toolkit_parse_number(text_, v)) return kNoInt;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);  // toward zero
}

WSCvariant::operator double() const {
  double v = 0.0;
  return toolkit_parse_number(text_, v) ? v : kNoDouble;
}

#include "cp932_text.h"

namespace {

bool in(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

bool is_single(unsigned char c) { return in(c, 0x20, 0x7E) || in(c, 0xA1, 0xDF); }
bool is_lead(unsigned char c) { return in(c, 0x81, 0x9F) || in(c, 0xE0, 0xFC); }
bool is_trail(unsigned char c) { return in(c, 0x40, 0x7E) || in(c, 0x80, 0xFC); }

}  // namespace

std::size_t Cp932_First_Invalid(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (is_single(c)) continue;
    if (is_lead(c) && i + 1 < text.size() && is_trail(static_cast<unsigned char>(text[i + 1]))) {
      ++i;
      continue;
    }
    return i;
  }
  return kCp932Valid;
}

std::size_t Bounded_Length(const char* buffer, std::size_t size) {
  std::size_t n = 0;
  while (n < size && buffer[n] != '\0') ++n;
  return n;
}

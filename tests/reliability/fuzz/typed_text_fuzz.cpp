// Text as a field hands it over: any bytes as the UTF-8 that Qt gives for
// what was typed (or pasted), converted to CP932 by the toolkit and read as a
// number, and any bytes as CP932 converted to UTF-8 for Qt. The conversions
// must end, give well-formed text in the target encoding, and the number a
// text yields must not depend on anything but the text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/toolkit/text_codec.h"
#include "app/toolkit/variant.h"

namespace {

void fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s:", what);
  for (unsigned char c : text) std::fprintf(stderr, " %02X", c);
  std::fprintf(stderr, "\n");
  std::abort();
}

bool is_cp932_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool is_cp932_trail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Every lead byte has its trail; single bytes are anything else.
bool well_formed_cp932(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!is_cp932_lead(static_cast<unsigned char>(text[i]))) continue;
    if (i + 1 >= text.size() || !is_cp932_trail(static_cast<unsigned char>(text[i + 1]))) return false;
    ++i;
  }
  return true;
}

// Shortest-form UTF-8 of scalar values (no surrogates, nothing past U+10FFFF).
bool well_formed_utf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    int n = 0;
    std::uint32_t v = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      n = 1, v = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      n = 2, v = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      n = 3, v = c & 0x07;
    } else {
      return false;
    }
    if (i + n >= text.size()) return false;  // cut short
    for (int k = 1; k <= n; ++k) {
      const auto t = static_cast<unsigned char>(text[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      v = (v << 6) | (t & 0x3F);
    }
    const std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (v < least[n] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::string typed = toolkit_utf8_to_cp932(bytes);
  if (!well_formed_cp932(typed)) fail("UTF-8 to CP932 gave a lead byte without its trail", bytes);
  const WSCvariant field(typed);
  // A number to one conversion is a number to the other.
  const bool is_int = static_cast<int>(field) != WSCvariant::kNoInt;
  const bool is_double = static_cast<double>(field) != WSCvariant::kNoDouble;
  if (is_int != is_double && static_cast<double>(field) > -2147483648.0)
    fail("the typed text is a number to only one conversion", bytes);

  const std::string shown = toolkit_cp932_to_utf8(bytes);
  if (!well_formed_utf8(shown)) fail("CP932 to UTF-8 gave malformed UTF-8", bytes);
  if (!well_formed_utf8(toolkit_cp932_to_utf8(typed))) fail("the typed text does not come back as UTF-8", bytes);
  return 0;
}

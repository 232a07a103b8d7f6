// The validator the sweeps rely on: it must pass the program's own texts and
// catch a kanji cut in half, a stray byte and control characters.
#include <gtest/gtest.h>

#include <string>

#include "cp932_text.h"

namespace {

TEST(Cp932Text, AcceptsTheProgramsKindsOfText) {
  const std::string texts[] = {
      "",
      "      平成    11   庚辰",   // kanji and ASCII
      "閏 2",
      "表",                       // a trail byte 0x5C, the ASCII backslash
      "　12",                     // ideographic space, 0x81 0x40
      "      甲辰 2 10●*",
      "\xCA\xDF\xB2",             // half-width katakana
      "\xFC\xFC",                 // the last lead with the last trail
  };
  for (const std::string& t : texts) EXPECT_EQ(Cp932_First_Invalid(t), kCp932Valid) << t;
}

TEST(Cp932Text, FindsTheFirstBadByte) {
  struct Case {
    std::string text;
    std::size_t offset;
  };
  const std::string kanji = "和暦";
  const Case cases[] = {
      {kanji.substr(0, 3), 2},           // the second kanji cut after its lead byte
      {kanji.substr(0, 1), 0},           // a lone lead byte
      {"ab\tc", 2},                      // control byte
      {"ab\n", 2},
      {std::string("a\0b", 3), 1},       // NUL inside the text
      {"\x80", 0},                       // neither single nor lead
      {"\xA0", 0},
      {"\xFD\x40", 0},
      {"\x81\x3F", 0},                   // trail below 0x40
      {"\x81\x7F", 0},                   // the gap between the trail ranges
      {"\x81\xFD", 0},
      {"x\x7F", 1},                      // DEL
  };
  for (const Case& c : cases) EXPECT_EQ(Cp932_First_Invalid(c.text), c.offset) << c.offset;
}

TEST(Cp932Text, BoundedLengthStopsAtTheBuffer) {
  const char full[4] = {'a', 'b', 'c', 'd'};
  const char text[4] = "ab";
  EXPECT_EQ(Bounded_Length(full, sizeof full), 4u);
  EXPECT_EQ(Bounded_Length(text, sizeof text), 2u);
}

}  // namespace

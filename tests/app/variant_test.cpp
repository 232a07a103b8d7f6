// How field texts become numbers, and how text crosses between CP932 and UTF-8.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "app/toolkit/toolkit.h"
#include "qt_probe.h"

namespace {

struct NumberCase {
  const char* text;  // CP932
  int as_int;
  double as_double;
};

const NumberCase kNumbers[] = {
    {"2026", 2026, 2026.0},
    {" 3", 3, 3.0},  // the month as the program writes it
    {"  -666  ", -666, -666.0},
    {"+12", 12, 12.0},
    {"\t7\t", 7, 7.0},
    {"3.5", 3, 3.5},
    {"-0.5", 0, -0.5},
    {".5", 0, 0.5},
    {"2050.", 2050, 2050.0},
    {"２０５０", 2050, 2050.0},  // full-width digits
    {"－６６６", -666, -666.0},  // full-width minus
    {"　１２　", 12, 12.0},      // ideographic spaces
    {"99999999999", INT_MAX, 99999999999.0},
    {"-99999999999", INT_MIN, -99999999999.0},
    // No number: below every accepted range.
    {"", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"   ", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"abc", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"12abc", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"1 2", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"-", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {".", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"1e3", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"0x10", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"--1", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"年", WSCvariant::kNoInt, WSCvariant::kNoDouble},
    {"１２年", WSCvariant::kNoInt, WSCvariant::kNoDouble},
};

TEST(Variant, ConvertsTextToNumbers) {
  for (const auto& c : kNumbers) {
    const WSCvariant v{std::string(c.text)};
    EXPECT_EQ(static_cast<int>(v), c.as_int) << "text [" << c.text << "]";
    EXPECT_EQ(static_cast<double>(v), c.as_double) << "text [" << c.text << "]";
  }
}

TEST(Variant, NoNumberIsOutsideEveryAcceptedRange) {
  EXPECT_LT(WSCvariant::kNoInt, -666);
  EXPECT_LT(WSCvariant::kNoDouble, -666.0);
}

TEST(Variant, NumberConstructorKeepsDecimalText) {
  EXPECT_EQ(WSCvariant(-666L).text(), "-666");
  EXPECT_EQ(static_cast<int>(WSCvariant(985L)), 985);
}

TEST(TextCodec, Cp932ToUtf8) {
  EXPECT_EQ(toolkit_cp932_to_utf8("西暦"), utf8(u8"西暦"));
  EXPECT_EQ(toolkit_cp932_to_utf8("ﾒｲｼﾞ"), utf8(u8"ﾒｲｼﾞ"));
  EXPECT_EQ(toolkit_cp932_to_utf8("\xB0\x7D"), utf8(u8"ｰ}"));  // list separator bytes
}

TEST(TextCodec, RoundTripKeepsBytes) {
  const char* texts[] = {
      "和暦表示",
      "　   和暦　  　 年干支　   天皇在位年数    月　 日　 曜日 六曜　干支　二十八宿",
      "ｰ}ｰ}ｰ}",
      "● 印　朔日",
      "①Ⅱ～",  // CP932 extensions
      " 3",
      "",
  };
  for (const char* t : texts) EXPECT_EQ(toolkit_utf8_to_cp932(toolkit_cp932_to_utf8(t)), t) << t;
}

TEST(TextCodec, UnconvertibleInputIsReplacedNotLost) {
  EXPECT_EQ(toolkit_cp932_to_utf8("a\xFF" "b"), utf8(u8"a\uFFFDb"));
  EXPECT_EQ(toolkit_cp932_to_utf8("a\x81"), utf8(u8"a\uFFFD"));  // cut-off two-byte character
  EXPECT_EQ(toolkit_utf8_to_cp932(utf8(u8"x\U0001F600y")), "x?y");
  EXPECT_EQ(toolkit_utf8_to_cp932("x\xC3y"), "x?y");  // broken UTF-8
}

TEST(TextCodec, MinusSignOfInputMethodsBecomesFullWidthMinus) {
  EXPECT_EQ(toolkit_utf8_to_cp932(utf8(u8"\u2212666")), "－666");
  EXPECT_EQ(static_cast<int>(WSCvariant(toolkit_utf8_to_cp932(utf8(u8"\u2212666")))), -666);
}

TEST(TextCodec, GetUcs2ConvertsGivenBytes) {
  const unsigned short* u = WSGFgetUCS2("西暦", static_cast<long>(std::strlen("西暦")));
  EXPECT_EQ(u[0], 0x897F);
  EXPECT_EQ(u[1], 0x66A6);
  EXPECT_EQ(u[2], 0);
  u = WSGFgetUCS2("2026xyz", 4);  // only the bytes it is given
  EXPECT_EQ(u[3], '6');
  EXPECT_EQ(u[4], 0);
}

TEST(TextCodec, FieldTextRoundTrip) {
  WSCmainWindow window(nullptr, "window");
  WSCvifield field(&window, "field");
  const char* texts[] = {" 3", "2026", "－６６６", "西暦"};
  for (const char* t : texts) {
    field.setBuf(WSGFgetUCS2(t, static_cast<long>(std::strlen(t))));
    EXPECT_EQ(field.getProperty(WSNlabelString()).text(), t);
  }
  field.setPropertyV(WSNlabelString(), "和暦");
  EXPECT_EQ(probe_shown_text(&field), utf8(u8"和暦"));
}

}  // namespace

#include "app/startup.h"
#include "app/toolkit/toolkit.h"

namespace {

// LOGFONT fields: height, width, escapement, orientation, weight, italic,
// underline, strike-out, character set, output precision, clipping precision,
// quality, pitch and family, face. The face is UTF-8, unlike the program's
// other texts; the rest is ASCII.
char* fon[16] = {
    const_cast<char*>("12,0,0,0,700,0,0,0,128,0,0,0,0,"),
    const_cast<char*>("12,0,0,0,700,0,0,0,128,0,0,0,0,"),
    const_cast<char*>(reinterpret_cast<const char*>(u8"17,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック")),
    const_cast<char*>(reinterpret_cast<const char*>(u8"19,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック")),
    const_cast<char*>(reinterpret_cast<const char*>(u8"22,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック")),
    const_cast<char*>(reinterpret_cast<const char*>(u8"24,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック")),
    const_cast<char*>(reinterpret_cast<const char*>(u8"26,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック")),
    const_cast<char*>(reinterpret_cast<const char*>(u8"34,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック")),
};

char* mou[8] = {const_cast<char*>("0   IDC_ARROW")};

}  // namespace

void _font_init_() { WSGFloadFontData(fon); }

void _mouse_init_() { WSGFloadMouseCursorData(mou); }

// The font table and the toolkit's default font.
//
// Each entry is a LOGFONT-style text: height, width, escapement, orientation,
// weight, italic, underline, strike-out, character set, output precision,
// clipping precision, quality, pitch and family, face name (UTF-8). Heights are
// pixels. The face "ＭＳ ゴシック" and an empty face become IPAGothic, a
// monospaced Japanese face whose half-width glyphs are exactly half as wide as
// its full-width ones, so byte-counted columns line up on screen.
#pragma once

class QFont;

// Loads a table ended by a null entry; font n is entry n.
void WSGFloadFontData(char** table);

// IPAGothic at 12 pixels: the font of every widget that sets none.
QFont toolkit_default_font();
// Font n of the loaded table, or the default font when there is no entry n.
QFont toolkit_font(int n);
// The font a single LOGFONT-style text describes.
QFont toolkit_font_from_text(const char* logfont_text);

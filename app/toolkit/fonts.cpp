#include "app/toolkit/fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>
#include <cstdlib>
#include <vector>

namespace {

const char* const kJapaneseFace = "IPAGothic";
constexpr int kDefaultPixelSize = 12;

std::vector<QFont>& loaded_fonts() {
  static std::vector<QFont> fonts;
  return fonts;
}

QFont japanese_font(int pixel_size) {
  QFont font(QString::fromLatin1(kJapaneseFace));
  font.setPixelSize(pixel_size > 0 ? pixel_size : kDefaultPixelSize);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  // Kerning and fractional advances would move byte-counted columns.
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// Faces the program names that this machine does not have.
bool is_substituted_face(const QString& face) {
  return face.isEmpty() || face == QString::fromUtf8("\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF");
}

// IPAGothic has no bold face: Qt emboldens it and widens every glyph. Letter
// spacing takes the extra width back, so bold text keeps byte-counted columns.
void keep_advances_when_bold(QFont& font) {
  if (!QGuiApplication::instance()) return;
  QFont regular = font;
  regular.setBold(false);
  const int extra = QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) -
                    QFontMetrics(regular).horizontalAdvance(QLatin1Char('0'));
  if (extra != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, -extra);
}

}  // namespace

QFont toolkit_default_font() { return japanese_font(kDefaultPixelSize); }

QFont toolkit_font_from_text(const char* logfont_text) {
  const QStringList fields = QString::fromUtf8(logfont_text ? logfont_text : "").split(QLatin1Char(','));
  auto number = [&](int i) { return i < fields.size() ? fields[i].trimmed().toInt() : 0; };
  QFont font = japanese_font(std::abs(number(0)));
  // The face is everything after the thirteenth comma.
  const QString face = fields.size() > 13 ? fields.mid(13).join(QLatin1Char(',')).trimmed() : QString();
  if (!is_substituted_face(face)) font.setFamilies({face, QString::fromLatin1(kJapaneseFace)});
  const int weight = number(4);
  if (weight >= 600) {
    font.setBold(true);
    keep_advances_when_bold(font);
  }
  font.setItalic(number(5) != 0);
  font.setUnderline(number(6) != 0);
  font.setStrikeOut(number(7) != 0);
  return font;
}

void WSGFloadFontData(char** table) {
  auto& fonts = loaded_fonts();
  fonts.clear();
  for (int n = 0; table && table[n]; ++n) fonts.push_back(toolkit_font_from_text(table[n]));
}

QFont toolkit_font(int n) {
  const auto& fonts = loaded_fonts();
  return n >= 0 && n < static_cast<int>(fonts.size()) ? fonts[n] : toolkit_default_font();
}

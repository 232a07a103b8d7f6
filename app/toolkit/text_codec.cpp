#include "app/toolkit/text_codec.h"

#include <QString>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace {

// Converts with one process-wide iconv descriptor per direction; the program
// is single-threaded. Unconvertible input is replaced and skipped, so no text
// is ever lost beyond the offending character.
std::string convert(iconv_t cd, const std::string& in, const char* replacement, std::size_t skip) {
  std::string out;
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  std::vector<char> buf(in.size() * 2 + 16);
  while (src_left > 0) {
    char* dst = buf.data();
    std::size_t dst_left = buf.size();
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buf.data(), buf.size() - dst_left);
    if (r != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or a truncated sequence at the end: replace one character.
    out += replacement;
    std::size_t n = skip;
    if (skip == 0) {  // a UTF-8 sequence: skip its lead byte and continuations
      n = 1;
      while (n < src_left && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) ++n;
    }
    n = n < src_left ? n : src_left;
    src += n;
    src_left -= n;
  }
  return out;
}

iconv_t to_utf8() {
  static iconv_t cd = iconv_open("UTF-8", "CP932");
  return cd;
}

iconv_t to_cp932() {
  static iconv_t cd = iconv_open("CP932", "UTF-8");
  return cd;
}

// The minus sign U+2212 that input methods type has no CP932 code of its own;
// it is read as the full-width minus U+FF0D, which has.
std::string fold_minus_sign(std::string utf8) {
  static const std::string minus = "\xE2\x88\x92";
  static const std::string full_width_minus = "\xEF\xBC\x8D";
  for (std::size_t p = utf8.find(minus); p != std::string::npos; p = utf8.find(minus, p))
    utf8.replace(p, minus.size(), full_width_minus);
  return utf8;
}

}  // namespace

std::string toolkit_cp932_to_utf8(const std::string& cp932) {
  return convert(to_utf8(), cp932, "\xEF\xBF\xBD", 1);
}

std::string toolkit_utf8_to_cp932(const std::string& utf8) {
  return convert(to_cp932(), fold_minus_sign(utf8), "?", 0);
}

QString toolkit_qstring(const std::string& cp932) { return QString::fromStdString(toolkit_cp932_to_utf8(cp932)); }

std::string toolkit_cp932(const QString& text) { return toolkit_utf8_to_cp932(text.toStdString()); }

unsigned short* WSGFgetUCS2(const char* cp932_text, long byte_length) {
  static std::vector<unsigned short> buffer;
  const std::size_t n = byte_length < 0 ? std::strlen(cp932_text) : static_cast<std::size_t>(byte_length);
  const QString text = toolkit_qstring(std::string(cp932_text, n));
  buffer.assign(text.utf16(), text.utf16() + text.size());
  buffer.push_back(0);
  return buffer.data();
}

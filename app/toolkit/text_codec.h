// Text crosses into Qt as UTF-8 and comes back as CP932 (Shift_JIS) bytes.
// A byte sequence that has no counterpart becomes '?' (CP932) or U+FFFD (UTF-8).
#pragma once

#include <string>

class QString;

std::string toolkit_cp932_to_utf8(const std::string& cp932);
std::string toolkit_utf8_to_cp932(const std::string& utf8);
QString toolkit_qstring(const std::string& cp932);
std::string toolkit_cp932(const QString& text);

// The CP932 text of byte_length bytes (or up to its NUL when byte_length < 0)
// as NUL-terminated UCS-2. The buffer is the toolkit's and stays valid until
// the next call; it is meant to be handed straight to WSCvifield::setBuf.
unsigned short* WSGFgetUCS2(const char* cp932_text, long byte_length);

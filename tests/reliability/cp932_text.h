// Checks that a text is printable Shift_JIS (CP932): what the lists, the
// year-view line and the grid may hold. Control bytes, a lead byte without
// its trail and a lone trail byte all count as garbage.
#pragma once

#include <cstddef>
#include <string_view>

inline constexpr std::size_t kCp932Valid = static_cast<std::size_t>(-1);

// Offset of the first byte that does not start a printable character, or
// kCp932Valid. Single bytes 0x20-0x7E (ASCII) and 0xA1-0xDF (half-width
// katakana); pairs of a lead 0x81-0x9F or 0xE0-0xFC and a trail 0x40-0x7E or
// 0x80-0xFC.
std::size_t Cp932_First_Invalid(std::string_view text);

// Length of the NUL-terminated text in a buffer of `size` bytes, or `size`
// when no NUL ends it inside the buffer.
std::size_t Bounded_Length(const char* buffer, std::size_t size);

// Assertions on the texts of the views: they fit their buffers and are
// printable Shift_JIS.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

#include "cp932_text.h"

// The text has at most `max_bytes` bytes and is printable CP932.
::testing::AssertionResult Fits_And_Prints(std::string_view text, std::size_t max_bytes);

// The NUL-terminated text of a `size`-byte buffer: ended inside the buffer,
// at most `max_bytes` before its NUL, printable CP932.
template <std::size_t N>
::testing::AssertionResult Buffer_Fits_And_Prints(const char (&buffer)[N], std::size_t max_bytes) {
  const std::size_t length = Bounded_Length(buffer, N);
  if (length == N) return ::testing::AssertionFailure() << "no NUL inside its " << N << " bytes";
  return Fits_And_Prints(std::string_view(buffer, length), max_bytes);
}

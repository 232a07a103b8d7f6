#include "text_checks.h"

#include <string>

::testing::AssertionResult Fits_And_Prints(std::string_view text, std::size_t max_bytes) {
  if (text.size() > max_bytes) {
    return ::testing::AssertionFailure() << text.size() << " bytes, more than " << max_bytes << ": ["
                                         << std::string(text) << "]";
  }
  const std::size_t bad = Cp932_First_Invalid(text);
  if (bad != kCp932Valid) {
    return ::testing::AssertionFailure() << "byte " << bad << " (0x" << std::hex
                                         << static_cast<int>(static_cast<unsigned char>(text[bad]))
                                         << ") is no printable CP932: [" << std::string(text) << "]";
  }
  return ::testing::AssertionSuccess();
}

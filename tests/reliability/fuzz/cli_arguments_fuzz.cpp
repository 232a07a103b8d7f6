// The command line of sorafumi-cli with any arguments (NUL bytes split the
// input into arguments, as a shell would hand them over). Nothing may be
// undefined; a date it takes must have the digits it promises; and an error
// must be one line of text that cannot steer the terminal: no control bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli/cli_arguments.h"

namespace {

void fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s: [", what);
  for (unsigned char c : text) std::fprintf(stderr, c < 0x20 || c == 0x7F ? "\\x%02X" : "%c", c);
  std::fprintf(stderr, "]\n");
  std::abort();
}

bool has_control_byte(const std::string& text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  const CliParse parse = parse_cli_arguments(args);
  if (!parse.error.empty()) {
    if (has_control_byte(parse.error)) fail("error with a control byte", parse.error);
    return 0;
  }
  if (const auto& date = parse.request.date) {
    // At most four digits of year, two of month and day.
    if (date->year < -9999 || date->year > 9999 || date->month < 0 || date->month > 99 || date->day < 0 ||
        date->day > 99)
      fail("date out of its digits", std::to_string(date->year));
  }
  return 0;
}

// sorafumi-cli repeats the user's text in its one-line errors: a newline or an
// escape sequence in an argument must not break the line or reach the
// terminal as it is. (The command-line fuzzer found the raw control bytes.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cli/cli_arguments.h"

namespace {

TEST(CliArgumentErrors, ShowControlBytesEscaped) {
  struct Case {
    std::vector<std::string> args;
    std::string shown;  // the quoted text in the error
  };
  const Case cases[] = {
      {{"2023-04-19\n"}, "\"2023-04-19\\x0A\""},                      // malformed date
      {{"-n\x01"}, "\"-n\\x01\""},                                    // unknown option
      {{"--\x1b[2J"}, "\"--\\x1B[2J\""},                              // a terminal escape sequence
      {{"2023-04-19", "\t2023\x7f"}, "\"\\x092023\\x7F\""},           // a second date
      {{"平成"}, "\"平成\""},                                          // other bytes stay as typed
  };
  for (const Case& c : cases) {
    const CliParse parse = parse_cli_arguments(c.args);
    EXPECT_NE(parse.error.find(c.shown), std::string::npos) << parse.error;
    for (const char ch : parse.error) {
      const auto byte = static_cast<unsigned char>(ch);
      EXPECT_FALSE(byte < 0x20 || byte == 0x7F) << "control byte " << int{byte} << " in: " << parse.error;
    }
  }
}

}  // namespace

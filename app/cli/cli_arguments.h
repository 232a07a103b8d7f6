// The command line of sorafumi-cli: an optional date and the output options.
#pragma once

#include <optional>
#include <string>
#include <vector>

// A civil date as the user wrote it, in numbers. Whether it lies in the
// accepted range is for the date entry to say, not the parser.
struct CliDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

struct CliRequest {
  std::optional<CliDate> date;  // none: today in Japan Standard Time
  bool json = false;
  std::string png_file;  // empty: no picture
  bool help = false;
};

struct CliParse {
  CliRequest request;
  std::string error;  // one line naming what was wrong; empty when the line was good
};

// Reads the arguments after the program's name.
CliParse parse_cli_arguments(const std::vector<std::string>& args);

// Reads "Y-M-D": a year of one to four digits with an optional sign, a month
// and a day of one or two digits each.
std::optional<CliDate> parse_cli_date(const std::string& text);

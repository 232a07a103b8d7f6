#include "app/cli/cli_messages.h"

#include <cstdio>
#include <cstring>

namespace {

// The ranges the date entry accepts from the year, month and day fields.
const char* accepted_range(const char* component) {
  if (std::strcmp(component, "year") == 0) return "-666 to 2050";
  if (std::strcmp(component, "month") == 0) return "1 to 12";
  return "1 to 31";
}

// The user's text in double quotes. A control byte (a newline, an escape
// sequence) is shown as \xNN, so the error stays one line and cannot steer
// the terminal.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string cli_usage_text() {
  return "Usage: sorafumi-cli [DATE] [--json] [--png FILE]\n"
         "\n"
         "Prints what the Sorafumi almanac window shows for DATE: the year-view line\n"
         "under its column header, the solar terms and the lunar phases of the year,\n"
         "and the year grid of the lunar months.\n"
         "\n"
         "  DATE        Y-M-D in the civil calendar (Julian up to 1582-10-04, Gregorian\n"
         "              from 1582-10-15): a year of 1 to 4 digits with an optional\n"
         "              sign (-666 to 2050), a month of 1 or 2 digits (1 to 12) and a\n"
         "              day of 1 or 2 digits (1 to 31), e.g. 2023-04-19 or -666-3-1.\n"
         "              Without DATE: today in Japan Standard Time (UTC+9).\n"
         "  --json      Print one JSON object (date, line, terms, phases, grid) instead\n"
         "              of text.\n"
         "  --png FILE  Also write the year grid as the window draws it to FILE, a PNG\n"
         "              image of 985 x 434 pixels.\n"
         "  --help, -h  Print this help and exit.\n"
         "\n"
         "Output is UTF-8. Exit status: 0 done, 1 the PNG file could not be written,\n"
         "2 bad input (the error is one line on standard error, nothing is printed).\n";
}

std::string cli_malformed_date_message(const std::string& text) {
  return "malformed date " + quoted(text) +
         ": expected Y-M-D, a year of 1 to 4 digits with an optional sign (-666 to 2050), "
         "a month of 1 or 2 digits (1 to 12) and a day of 1 or 2 digits (1 to 31)";
}

std::string cli_second_date_message(const std::string& first, const std::string& second) {
  return "more than one date (" + quoted(first) + " and " + quoted(second) + "): give at most one Y-M-D";
}

std::string cli_unknown_option_message(const std::string& option) {
  return "unknown option " + quoted(option) + ": the accepted options are --json, --png FILE and --help";
}

std::string cli_missing_png_file_message() { return "--png needs a FILE to write the PNG image to (--png FILE)"; }

std::string cli_out_of_range_message(const char* component, int value) {
  return std::string(component) + " " + std::to_string(value) + " is out of range: the accepted " + component +
         "s are " + accepted_range(component);
}

std::string cli_png_write_message(const std::string& file) {
  return "cannot write the PNG image to " + quoted(file);
}

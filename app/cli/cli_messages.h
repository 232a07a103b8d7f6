// What sorafumi-cli tells its user: the help text and the one-line errors.
// Each error names what was wrong and what is accepted.
#pragma once

#include <string>

std::string cli_usage_text();

std::string cli_malformed_date_message(const std::string& text);
std::string cli_second_date_message(const std::string& first, const std::string& second);
std::string cli_unknown_option_message(const std::string& option);
std::string cli_missing_png_file_message();
// A component the date entry refused: "year", "month" or "day" and its value.
std::string cli_out_of_range_message(const char* component, int value);
std::string cli_png_write_message(const std::string& file);

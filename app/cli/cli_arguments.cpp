#include "app/cli/cli_arguments.h"

#include <cctype>

#include "app/cli/cli_messages.h"

namespace {

// Reads between min_digits and max_digits decimal digits at text[pos], with
// nothing else, into value; advances pos past them.
bool read_digits(const std::string& text, std::size_t& pos, int max_digits, int& value) {
  const std::size_t start = pos;
  value = 0;
  while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
    if (static_cast<int>(pos - start) == max_digits) return false;
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return pos > start;
}

bool read_dash(const std::string& text, std::size_t& pos) {
  if (pos >= text.size() || text[pos] != '-') return false;
  ++pos;
  return true;
}

// A date may start with a minus sign ("-666-3-1"), so only a dash followed by
// something other than a digit starts an option.
bool looks_like_option(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1]));
}

}  // namespace

std::optional<CliDate> parse_cli_date(const std::string& text) {
  std::size_t pos = 0;
  int sign = 1;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    sign = text[pos] == '-' ? -1 : 1;
    ++pos;
  }
  CliDate date;
  if (!read_digits(text, pos, 4, date.year) || !read_dash(text, pos) || !read_digits(text, pos, 2, date.month) ||
      !read_dash(text, pos) || !read_digits(text, pos, 2, date.day) || pos != text.size())
    return std::nullopt;
  date.year *= sign;
  return date;
}

CliParse parse_cli_arguments(const std::vector<std::string>& args) {
  CliParse parse;
  CliRequest& request = parse.request;
  std::string date_text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      request.help = true;
    } else if (arg == "--json") {
      request.json = true;
    } else if (arg == "--png") {
      // The next argument is the file, unless it is missing or another option.
      if (i + 1 >= args.size() || args[i + 1].empty() || args[i + 1].rfind("--", 0) == 0) {
        parse.error = cli_missing_png_file_message();
        return parse;
      }
      request.png_file = args[++i];
    } else if (looks_like_option(arg)) {
      parse.error = cli_unknown_option_message(arg);
      return parse;
    } else if (request.date) {
      parse.error = cli_second_date_message(date_text, arg);
      return parse;
    } else {
      request.date = parse_cli_date(arg);
      if (!request.date) {
        parse.error = cli_malformed_date_message(arg);
        return parse;
      }
      date_text = arg;
    }
  }
  return parse;
}

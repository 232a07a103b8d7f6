#include "app/cli/json_output.h"

#include <cstdio>

namespace {

// The lines after the list's header, one string each.
std::string string_array(const std::vector<std::string>& lines, std::size_t first, const char* indent) {
  std::string out = "[";
  for (std::size_t i = first; i < lines.size(); ++i) {
    out += i == first ? "\n" : ",\n";
    out += indent + json_string(lines[i]);
  }
  return out + (lines.size() > first ? "\n  ]" : "]");
}

std::string month_object(const GridMonthView& month) {
  std::string out = "      {\"label\": " + json_string(month.label) + ", \"days\": [";
  for (std::size_t j = 0; j < month.days.size(); ++j) {
    out += j == 0 ? "\n" : ",\n";
    out += "        {\"text\": " + json_string(month.days[j].text) +
           ", \"marker\": " + std::to_string(month.days[j].marker) + "}";
  }
  return out + (month.days.empty() ? "]}" : "\n      ]}");
}

}  // namespace

std::string json_string(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (b < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string almanac_json(const AlmanacView& view) {
  std::string out = "{\n";
  out += "  \"date\": " + json_string(view.date) + ",\n";
  out += "  \"line\": " + json_string(view.line) + ",\n";
  out += "  \"terms\": " + string_array(view.terms, 1, "    ") + ",\n";
  out += "  \"phases\": " + string_array(view.phases, 1, "    ") + ",\n";
  out += "  \"grid\": {\n";
  out += "    \"title\": " + json_string(view.grid_title) + ",\n";
  out += "    \"calendar\": " + json_string(view.grid_calendar) + ",\n";
  out += "    \"months\": [";
  for (std::size_t k = 0; k < view.months.size(); ++k) out += (k == 0 ? "\n" : ",\n") + month_object(view.months[k]);
  out += view.months.empty() ? "]\n" : "\n    ]\n";
  out += "  }\n}\n";
  return out;
}

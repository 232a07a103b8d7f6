// The almanac as one JSON object for other programs.
#pragma once

#include <string>

#include "app/cli/almanac_view.h"

// A JSON string literal of a UTF-8 text: quotes, backslashes and control
// characters escaped, every other byte as it is.
std::string json_string(const std::string& utf8);

// {"date", "line", "terms", "phases", "grid": {"title", "calendar", "months":
// [{"label", "days": [{"text", "marker"}, ...]}]}}; the list headers left out.
std::string almanac_json(const AlmanacView& view);

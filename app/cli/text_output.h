// The almanac as plain UTF-8 text for a terminal.
#pragma once

#include <string>

#include "app/cli/almanac_view.h"

// The column header and the year-view line, the solar-term list, the
// lunar-phase list, then the year grid, each block after an empty line.
std::string almanac_text(const AlmanacView& view);

// Today's date in Japan Standard Time, whatever the machine's own zone.
#pragma once

#include <ctime>

#include "app/cli/cli_arguments.h"

// The civil date at 135 degrees east (UTC+9) at the instant now.
CliDate jst_today(std::time_t now);

// The almanac window, built and driven without a display: the same start-up,
// procedures and toolkit layer as the window program, on Qt's offscreen
// platform.
#pragma once

#include <string>

#include "app/cli/cli_arguments.h"

// Chooses the offscreen platform unless the environment names one, creates the
// application and runs the start-up handlers (fonts, cursors, main window),
// then lets the drawing area draw once, as at first display, which fills the
// fields with today's date.
void open_offscreen_window();

// Types the date into the year, month and day fields and lets the drawing
// area draw again, so that the date entry takes the fields up and every view
// is refreshed.
void show_date_in_window(const CliDate& date);

// Empty when the date entry took every component of asked; otherwise the
// message naming the first component it refused.
std::string refused_date_component(const CliDate& asked);

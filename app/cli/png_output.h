// The drawing area's picture as a PNG file.
#pragma once

#include <string>

// Writes the drawing area newvdra_001 as its procedures left it, at the
// area's own size, to file. False when the file could not be written.
bool write_drawing_area_png(const std::string& file);

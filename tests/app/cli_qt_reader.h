// What the command-line tests read through Qt: PNG files, the drawing area's
// picture and the JSON the program prints. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/cli/almanac_view.h"

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;  // 0xRRGGBB, row by row
  std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// Empty (0 × 0) when the file is no readable PNG.
Picture read_png_file(const std::string& path);
// The drawing area newvdra_001 at its own size, as its procedures left it.
Picture drawing_area_picture();

// Reads the object sorafumi-cli --json prints into view (terms and phases
// without headers, grid_lines left empty). False, with what was wrong in
// error, when the text is no JSON object of that shape.
bool read_almanac_json(const std::string& json, AlmanacView& view, std::string& error);

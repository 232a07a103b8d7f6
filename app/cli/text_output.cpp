#include "app/cli/text_output.h"

namespace {

void append_block(std::string& out, const std::vector<std::string>& lines) {
  if (!out.empty()) out += '\n';
  for (const std::string& line : lines) out += line + '\n';
}

}  // namespace

std::string almanac_text(const AlmanacView& view) {
  std::string out;
  append_block(out, {view.header, view.line});
  append_block(out, view.terms);
  append_block(out, view.phases);
  append_block(out, view.grid_lines);
  return out;
}

// The reference facts (tab-separated UTF-8 files under SORAFUMI_REFERENCE_DIR)
// for comparing the compiled tables with their source, texts as CP932.
#pragma once

#include <iconv.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace reference {

using Row = std::vector<std::string>;

// The data lines of `file` (header dropped), or nothing when the folder is absent.
inline std::optional<std::vector<Row>> read(const std::string& file) {
  std::ifstream in(std::string(SORAFUMI_REFERENCE_DIR) + "/" + file);
  if (!in) return std::nullopt;
  std::vector<Row> rows;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    Row row;
    std::stringstream fields(line);
    std::string field;
    while (std::getline(fields, field, '\t')) row.push_back(field);
    rows.push_back(row);
  }
  return rows;
}

// A UTF-8 text as the CP932 bytes the tables hold; "?" if it cannot be converted.
inline std::string to_cp932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  std::string in = utf8;
  std::string out(in.size() * 2 + 4, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t src_left = in.size();
  std::size_t dst_left = out.size();
  const bool ok = cd != reinterpret_cast<iconv_t>(-1) &&
                  iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<std::size_t>(-1);
  if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  if (!ok) return "?";
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace reference

#define SKIP_WITHOUT_REFERENCE(rows, file)                                                   \
  if (!(rows)) GTEST_SKIP() << "reference facts not found: " << SORAFUMI_REFERENCE_DIR << "/" \
                            << (file) << " (the comparison needs the shared reference folder)"

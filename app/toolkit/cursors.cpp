#include "app/toolkit/cursors.h"

#include <cstdio>
#include <cstring>
#include <map>

namespace {

std::map<int, Qt::CursorShape>& loaded_cursors() {
  static std::map<int, Qt::CursorShape> cursors;
  return cursors;
}

Qt::CursorShape shape_of(const char* identifier) {
  static const std::pair<const char*, Qt::CursorShape> shapes[] = {
      {"IDC_ARROW", Qt::ArrowCursor},  {"IDC_IBEAM", Qt::IBeamCursor},   {"IDC_WAIT", Qt::WaitCursor},
      {"IDC_CROSS", Qt::CrossCursor},  {"IDC_HAND", Qt::PointingHandCursor}, {"IDC_SIZEALL", Qt::SizeAllCursor},
      {"IDC_NO", Qt::ForbiddenCursor}, {"IDC_APPSTARTING", Qt::BusyCursor},
  };
  for (const auto& [name, shape] : shapes)
    if (std::strcmp(name, identifier) == 0) return shape;
  return Qt::ArrowCursor;
}

}  // namespace

void WSGFloadMouseCursorData(char** table) {
  auto& cursors = loaded_cursors();
  cursors.clear();
  for (int i = 0; table && table[i]; ++i) {
    int number = 0;
    char identifier[64] = "";
    if (std::sscanf(table[i], "%d %63s", &number, identifier) == 2) cursors[number] = shape_of(identifier);
  }
}

Qt::CursorShape toolkit_cursor_shape(int n) {
  const auto& cursors = loaded_cursors();
  const auto it = cursors.find(n);
  return it == cursors.end() ? Qt::ArrowCursor : it->second;
}

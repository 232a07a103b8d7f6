// The real main window, built once per test process on the offscreen
// platform, with today fixed to 9 March 2026 (noon, local time).
#pragma once

#include <ctime>
#include <string>

#include "app/date_entry.h"
#include "app/startup.h"
#include "app/widgets.h"

inline std::time_t fixed_today() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 3 - 1;
  t.tm_mday = 9;
  t.tm_hour = 12;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

// The field texts as they were right after the window was built.
struct BuiltFields {
  std::string year, month, day;
};

inline const BuiltFields& build_main_window_once() {
  static BuiltFields built;
  if (!newwin000) {
    date_entry_clock = fixed_today;
    toolkit_ensure_application();
    _font_init_();
    _mouse_init_();
    _create_win_newwin000();
    built = {newvifi_000->getProperty(WSNlabelString()).text(), newvifi_001->getProperty(WSNlabelString()).text(),
             newvifi_003->getProperty(WSNlabelString()).text()};
  }
  return built;
}

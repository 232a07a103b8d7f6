// What the Qt widgets behind the toolkit actually show. The program's own
// code never looks behind the toolkit; tests do, through these helpers. Texts
// returned here are UTF-8.
#pragma once

#include <string>

class WSCbase;
class WSClist;
class WSCvbtn;
class WSCvifield;

struct ProbeRect {
  int x, y, width, height;
};

std::string probe_shown_text(const WSCbase* w);     // label, button, field text or window title
std::string probe_qt_class(const WSCbase* w);       // e.g. "QLabel"
ProbeRect probe_geometry(const WSCbase* w);         // position in the parent, size
bool probe_is_visible(const WSCbase* w);
std::string probe_font_family(const WSCbase* w);
int probe_font_pixel_size(const WSCbase* w);
bool probe_font_bold(const WSCbase* w);
int probe_text_width(const WSCbase* w, const std::string& cp932);  // in the widget's font
int probe_line_height(const WSCbase* w);

void probe_type_into(WSCvifield* field, const std::string& utf8);  // as a user's typing leaves it
void probe_click(WSCvbtn* button);
void probe_process_events();

int probe_scroll_value(const WSClist* list);
int probe_scroll_maximum(const WSClist* list);
void probe_scroll_to(WSClist* list, int value);
int probe_item_height(const WSClist* list, int row);

inline std::string utf8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

#include <vector>
// Intervals (ms) of the timers the toolkit has started.
std::vector<int> probe_timer_intervals();

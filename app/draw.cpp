#include <cstdio>
#include <cstring>

#include "app/date_entry.h"
#include "app/procedures.h"
#include "app/refresh.h"
#include "app/selected_date.h"
#include "app/widgets.h"

namespace {

void write_field(WSCvifield* field, const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  field->setBuf(WSGFgetUCS2(text, static_cast<long>(std::strlen(text))));
}

}  // namespace

void draw(WSCbase* w) {
  static int i = 1;  // 1 until the first run has filled the fields

  take_today();
  if (i == 1) {
    WSGIappTimer()->addTimerProc(timerHandler, 20, w);
    write_field(newvifi_000, "%4.0f", year_g);
    write_field(newvifi_001, "%2.0f", month_g);  // " 3": one blank before one digit
    write_field(newvifi_003, "%2.0f", day_g);
  }
  i = 2;
  // Today first, so that a field out of range shows today's value.
  read_date_fields();
  draw_refresh(w);
}

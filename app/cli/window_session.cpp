#include "app/cli/window_session.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/cli/cli_messages.h"
#include "app/selected_date.h"
#include "app/widgets.h"

namespace {

void type_into(WSCvifield* field, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  field->setBuf(WSGFgetUCS2(text, static_cast<long>(std::strlen(text))));
}

// What drawing the area does in the window: its procedure, draw, runs.
void draw_area() { newvdra_001->paintFromProcedures(); }

}  // namespace

void open_offscreen_window() {
  // Qt reads the platform when the application is created.
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
  toolkit_ensure_application();
  for (auto handler : WSGIappDev()->initHandlers()) handler();
  draw_area();
}

void show_date_in_window(const CliDate& date) {
  type_into(newvifi_000, date.year);
  type_into(newvifi_001, date.month);
  type_into(newvifi_003, date.day);
  draw_area();
}

std::string refused_date_component(const CliDate& asked) {
  // A refused field leaves today's value in its component, which can never be
  // the refused value itself.
  if (year_g != asked.year) return cli_out_of_range_message("year", asked.year);
  if (month_g != asked.month) return cli_out_of_range_message("month", asked.month);
  if (day_g != asked.day) return cli_out_of_range_message("day", asked.day);
  return {};
}

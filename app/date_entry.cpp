#include "app/date_entry.h"

#include "app/date_ranges.h"
#include "app/selected_date.h"
#include "app/widgets.h"

namespace {

std::time_t system_clock_now() { return std::time(nullptr); }

// Takes up the field's text if its number is in range.
void read_field(WSCvifield* field, tagFieldRange range, double& target) {
  take_field_value(field->getProperty(WSNlabelString()), range, target);
}

}  // namespace

std::time_t (*date_entry_clock)() = system_clock_now;

void take_today() {
  const std::time_t now = date_entry_clock();
  const std::tm* local = std::localtime(&now);
  year_g = local->tm_year + 1900;
  month_g = local->tm_mon + 1;
  day_g = local->tm_mday;
}

void read_date_fields() {
  read_field(newvifi_000, kYearRange, year_g);
  read_field(newvifi_001, kMonthRange, month_g);
  read_field(newvifi_003, kDayRange, day_g);
}

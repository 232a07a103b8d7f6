#include "app/date_entry.h"

#include "app/selected_date.h"
#include "app/widgets.h"

namespace {

std::time_t system_clock_now() { return std::time(nullptr); }

// Stores the field's number in target when its integer lies in [low, high].
// The double is stored, not the integer that passed the test: a stored value
// is never truncated.
void read_field(WSCvifield* field, int low, int high, double& target) {
  const WSCvariant text = field->getProperty(WSNlabelString());
  const int n = static_cast<int>(text);
  if (n >= low && n <= high) target = static_cast<double>(text);
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
  read_field(newvifi_000, -666, 2050, year_g);
  read_field(newvifi_001, 1, 12, month_g);
  read_field(newvifi_003, 1, 31, day_g);  // not tested against the month's length
}

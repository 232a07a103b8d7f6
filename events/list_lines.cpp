#include "events/event_lists.h"
#include "events/event_line.h"
#include "events/event_names.h"
#include "events/event_tables.h"

namespace {

std::vector<std::string> lines(const char* header, int (*build)(double, int), const tagEvent* table,
                               std::string (*name)(double), double year) {
  std::vector<std::string> out{header};
  const int n = build(year, kYearSpanDays);
  for (int i = 0; i < n; ++i) out.push_back(Event_line(name(table[i].angle), table[i].jd));
  return out;
}

}  // namespace

std::vector<std::string> Term_list_lines(double year) {
  return lines("二十四節季", Sun_year_Cal0, Sekki24, Term_name, year);
}

std::vector<std::string> Phase_list_lines(double year) {
  return lines("月のこよみ", Moon_year_Cal0, Tsuki, Phase_name, year);
}

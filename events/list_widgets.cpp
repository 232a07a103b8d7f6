#include "app/selected_date.h"
#include "app/widgets.h"
#include "events/event_lists.h"

namespace {

void fill(WSClist* list, const std::vector<std::string>& lines) {
  list->delAll();
  for (const std::string& line : lines) list->addItem(line.c_str(), -1);
}

}  // namespace

void Sun_year_Cal(WSCbase*) { fill(newlist_001, Term_list_lines(year_g)); }

void Moon_year_Cal(WSCbase*) { fill(newlist_002, Phase_list_lines(year_g)); }

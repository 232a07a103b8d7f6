#include "calendar/wareki_line.h"

#include <string>

#include "app/widgets.h"
#include "calendar/year_view_line.h"

void Wareki_Line(double year, const tagKyuurekiDate& date, const tagWarekiLabels& labels) {
  const std::string line = Wareki_Line_Text(year, date, labels);
  newlist_000->delAll();
  newlist_000->addItem(line.c_str(), -1);
}

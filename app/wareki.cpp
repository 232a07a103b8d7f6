#include "app/date_entry.h"
#include "app/procedures.h"
#include "app/refresh.h"

void wareki(WSCbase* w) {
  // No clock here: a field out of range keeps the value stored last.
  read_date_fields();
  wareki_refresh(w);
}

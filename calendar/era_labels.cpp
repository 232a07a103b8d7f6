#include "calendar/era_labels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "calendar/tables/era_changes.h"
#include "calendar/tables/history_table.h"

namespace {

template <std::size_t N>
void copy_label(char (&label)[64], const char (&field)[N]) {
  static_assert(N <= 64);
  std::memcpy(label, field, N);  // fields are NUL-padded to their width
}

// The record of `year` in force on the day: the first of the year, or the
// second of a doubled year once its change has come.
const tagHistory* history_record(int year, double day_value) {
  const tagHistory* first = History_table;
  const tagHistory* end = History_table + kHistoryCount - 1;  // the end record is not a year
  const tagHistory* it = std::lower_bound(
      first, end, year, [](const tagHistory& h, int y) { return h.year < y; });
  if (it == end || it->year != year) return nullptr;
  if (it + 1 != end && (it + 1)->year == year) {
    const double day_number = std::floor(day_value + 0.375 + 0.5);
    for (const tagEraChange& change : Era_changes) {
      if (change.year == year && day_number >= change.first_day) return it + 1;
    }
  }
  return it;
}

// The emperor before 507 reigning in `year`: the row whose span holds it.
const tagTennou* early_emperor(double year) {
  for (int i = 0; i + 1 < kTennou3Count; ++i) {
    if (Tennou3[i].year <= year && year < Tennou3[i + 1].year) return &Tennou3[i];
  }
  return nullptr;
}

}  // namespace

tagWarekiLabels History_Search(int view_year, double year, double day_value) {
  tagWarekiLabels labels{};
  if (const tagHistory* h = history_record(view_year, day_value)) {
    copy_label(labels.gengou, h->gengou);
    copy_label(labels.gengou_year, h->gengou_year);
    copy_label(labels.tennou, h->tennou);
    copy_label(labels.tennou_year, h->tennou_year);
  } else if (const tagTennou* t = early_emperor(year)) {
    copy_label(labels.gengou, t->name);
    copy_label(labels.tennou, t->name);
    const int reign_year = static_cast<int>(std::trunc(year)) - t->year + 1;
    std::snprintf(labels.gengou_year, sizeof labels.gengou_year, "%3d", reign_year);
    std::snprintf(labels.tennou_year, sizeof labels.tennou_year, "%3d", reign_year);
  }
  return labels;
}

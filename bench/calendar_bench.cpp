// The year view's lookups: the containing month of a date and the era labels
// of its view year. Each should take well under a microsecond.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"

namespace {

struct Date {
  double year, month, day;
};

// Dates spread over the whole range, so the search is not helped by the cache.
std::vector<Date> spread_dates() {
  std::vector<Date> dates;
  for (int year = -666; year <= 2050; year += 7) {
    const int month = 1 + ((year % 12) + 12) % 12;
    dates.push_back({double(year), double(month), 17});
  }
  return dates;
}

void BM_Kyuureki_Search(benchmark::State& state) {
  const std::vector<Date> dates = spread_dates();
  std::size_t i = 0;
  for (auto _ : state) {
    const Date& d = dates[i++ % dates.size()];
    benchmark::DoNotOptimize(Kyuureki_Search(d.year, d.month, d.day));
  }
}
BENCHMARK(BM_Kyuureki_Search);

void BM_History_Search(benchmark::State& state) {
  std::vector<int> years;
  for (int year = 300; year <= 2050; year += 3) years.push_back(year);
  std::size_t i = 0;
  for (auto _ : state) {
    const int year = years[i++ % years.size()];
    benchmark::DoNotOptimize(History_Search(year, year, 2451545.0));
  }
}
BENCHMARK(BM_History_Search);

}  // namespace

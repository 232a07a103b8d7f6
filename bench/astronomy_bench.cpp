// The positions behind the phase and term scans, and the two year tables each
// list and the year view rebuild on every refresh. Goal: both tables of one
// year in under 5 ms.
#include <benchmark/benchmark.h>

#include "engine/moon.h"
#include "engine/sun.h"
#include "events/event_tables.h"

namespace {

constexpr double kJ2000 = 2451545.0;

void BM_Sun_Position(benchmark::State& state) {
  latitude0 = 34.8;
  longitude0 = 135.0;
  tagPosition sun{};
  double jd = kJ2000;
  for (auto _ : state) {
    Sun_Position(jd, &sun);
    benchmark::DoNotOptimize(sun.lam);
    jd += 0.37;
  }
}
BENCHMARK(BM_Sun_Position);

void BM_Moon_Position(benchmark::State& state) {
  latitude0 = 34.8;
  longitude0 = 135.0;
  tagPosition moon{};
  double jd = kJ2000;
  for (auto _ : state) {
    Moon_Position(jd, &moon, 0, latitude0, longitude0);
    benchmark::DoNotOptimize(moon.lam);
    jd += 0.37;
  }
}
BENCHMARK(BM_Moon_Position);

// The year is the argument; the lists use a span of 430 days.
void BM_Sun_year_Cal0(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Sun_year_Cal0(static_cast<double>(state.range(0)), 430));
}
BENCHMARK(BM_Sun_year_Cal0)->Arg(2000)->Arg(-666)->Unit(benchmark::kMillisecond);

void BM_Moon_year_Cal0(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Moon_year_Cal0(static_cast<double>(state.range(0)), 430));
}
BENCHMARK(BM_Moon_year_Cal0)->Arg(2000)->Arg(-666)->Unit(benchmark::kMillisecond);

// What one list refresh costs: both tables of the year.
void BM_Both_year_tables(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(Moon_year_Cal0(static_cast<double>(state.range(0)), 430));
    benchmark::DoNotOptimize(Sun_year_Cal0(static_cast<double>(state.range(0)), 430));
  }
}
BENCHMARK(BM_Both_year_tables)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

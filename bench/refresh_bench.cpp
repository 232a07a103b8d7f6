// One whole refresh of each procedure on the real main window, offscreen:
// both lists, the year view with its grid, and for draw the grid drawing.
// draw runs every second from the timer. Goal: draw under 20 ms (median).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/procedures.h"
#include "app/startup.h"
#include "app/widgets.h"

namespace {

void build_main_window_offscreen() {
  static const bool built = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    toolkit_ensure_application();
    _font_init_();
    _mouse_init_();
    _create_win_newwin000();
    draw(newvdra_001);  // the first run fills the fields with today
    return true;
  }();
  (void)built;
}

void BM_Draw_Refresh(benchmark::State& state) {
  build_main_window_offscreen();
  for (auto _ : state) draw(newvdra_001);
}
BENCHMARK(BM_Draw_Refresh)->Unit(benchmark::kMillisecond);

void BM_Wareki_Press(benchmark::State& state) {
  build_main_window_offscreen();
  for (auto _ : state) wareki(newvbtn_004);
}
BENCHMARK(BM_Wareki_Press)->Unit(benchmark::kMillisecond);

}  // namespace

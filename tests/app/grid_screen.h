// Looking at the year grid as drawn into the main window's drawing area:
// where its texts lie, which colour their ink has, and whether a place holds
// a given text. Built on the real main window (main_window_fixture.h).
#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/procedures.h"
#include "app/selected_date.h"
#include "app/widgets.h"
#include "main_window_fixture.h"
#include "qt_probe.h"

inline const QRgb kGridBackground = qRgb(0xff, 0xff, 0xc8);
inline const QRgb kInkBlack = qRgb(0, 0, 0);
inline const QRgb kInkBlue = qRgb(0, 0, 0xff);
inline const QRgb kInkGreen = qRgb(0, 0xff, 0);
inline const QRgb kInkRed = qRgb(0xff, 0, 0);

struct GridRect {
  int x0, y0, x1, y1;  // x1, y1 excluded
};

// The visible part of a day cell (after its six blanks): 12 bytes of the
// 12-pixel font, from 36 pixels right of the cell's x, one text line high.
inline GridRect day_cell(int day, int month_column) {
  const int x = 10 + 72 * (month_column - 1) + 36;
  const int y = 20 + 13 * day;
  return {x, y, x + 72, y + 13};
}

inline int colour_distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The part of the rectangle inside the image.
inline GridRect inside(const QImage& img, GridRect r) {
  return {std::max(r.x0, 0), std::max(r.y0, 0), std::min(r.x1, img.width()), std::min(r.y1, img.height())};
}

// Pixels of the rectangle drawn in (or close to) the full ink colour.
inline int ink_count(const QImage& img, GridRect r, QRgb ink) {
  r = inside(img, r);
  int n = 0;
  for (int y = r.y0; y < r.y1; ++y)
    for (int x = r.x0; x < r.x1; ++x) n += colour_distance(img.pixel(x, y), ink) < 90;
  return n;
}

// Whether a pixel is the background partly covered by ink of one colour, as
// anti-aliased text leaves it: every channel moved the same fraction of the way.
inline bool is_blend_of(QRgb pixel, QRgb ink) {
  const int p[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
  const int b[3] = {qRed(kGridBackground), qGreen(kGridBackground), qBlue(kGridBackground)};
  const int c[3] = {qRed(ink), qGreen(ink), qBlue(ink)};
  double lo = 1, hi = 0;
  for (int i = 0; i < 3; ++i) {
    if (b[i] == c[i]) {
      if (std::abs(p[i] - b[i]) > 8) return false;
      continue;
    }
    const double share = static_cast<double>(b[i] - p[i]) / (b[i] - c[i]);
    lo = std::min(lo, share);
    hi = std::max(hi, share);
  }
  return hi - lo < 0.1;
}

// Pixels of the rectangle inked in some other colour than `ink`.
inline int foreign_count(const QImage& img, GridRect r, QRgb ink) {
  r = inside(img, r);
  int n = 0;
  for (int y = r.y0; y < r.y1; ++y)
    for (int x = r.x0; x < r.x1; ++x) {
      const QRgb p = img.pixel(x, y);
      n += (p & 0xFFFFFF) != (kGridBackground & 0xFFFFFF) && !is_blend_of(p, ink);
    }
  return n;
}

// Pixels of the rectangle that are not the background.
inline int marked_count(const QImage& img, GridRect r) {
  r = inside(img, r);
  int n = 0;
  for (int y = r.y0; y < r.y1; ++y)
    for (int x = r.x0; x < r.x1; ++x) n += (img.pixel(x, y) & 0xFFFFFF) != (kGridBackground & 0xFFFFFF);
  return n;
}

// The main window, shown once per process with today fixed to 2026-12-11
// (noon, local time); showing it runs draw for the first time.
inline std::time_t grid_today() {
  const std::time_t fixture_day = fixed_today();
  std::tm t = *std::localtime(&fixture_day);
  t.tm_mon = 12 - 1;
  t.tm_mday = 11;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

inline void show_main_window_on_grid_today() {
  build_main_window_once();
  date_entry_clock = grid_today;
  probe_process_events();
}

inline void type_date(const char8_t* year, const char8_t* month, const char8_t* day) {
  probe_type_into(newvifi_000, utf8(year));
  probe_type_into(newvifi_001, utf8(month));
  probe_type_into(newvifi_003, utf8(day));
}

// A redraw request served by the event loop, as the timer makes it.
inline void redraw_area() {
  newvdra_001->redraw();
  probe_process_events();
}

// Whether the area at (x, y) shows exactly `text` in `colour` and nothing
// else over `width` pixels and one line: the text is drawn alone on the
// grid's background in a scratch area of the same font and compared.
inline WSCvdrawingArea* grid_scratch() {
  static WSCvdrawingArea* scratch = [] {
    auto* area = new WSCvdrawingArea(newwin000, "grid_test_scratch");
    area->initialize();
    area->setPropertyV(WSNwidth(), static_cast<unsigned short>(985));
    area->setPropertyV(WSNheight(), static_cast<unsigned short>(40));
    return area;
  }();
  return scratch;
}

inline bool shows_text(long x, long y, int width, const char* colour, const char* text) {
  WSCvdrawingArea* scratch = grid_scratch();
  scratch->setForeColor("#ffffc8");
  scratch->drawFillRect(0, 0, 985, 40);
  scratch->setForeColor(colour);
  scratch->drawString(x, 5, 100, 20, 1, 0, text, -2);
  return newvdra_001->image().copy(x, y, width, 13) == scratch->image().copy(x, 5, width, 13);
}

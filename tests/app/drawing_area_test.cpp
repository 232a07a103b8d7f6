// The drawing area: drawing goes into a retained image, text has no
// background and no clip, columns count bytes, and the procedure runs
// whenever the area is drawn.
#include <gtest/gtest.h>

#include <QImage>

#include "app/toolkit/toolkit.h"
#include "qt_probe.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// True when some pixel of the rectangle differs from colour.
bool has_ink(const QImage& img, int x0, int y0, int x1, int y1, QRgb colour) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) return true;
  return false;
}

class DrawingAreaTest : public ::testing::Test {
 protected:
  DrawingAreaTest() : window(nullptr, "window"), area(&window, "area") {
    window.setPropertyV(WSNwidth(), static_cast<unsigned short>(400));
    window.setPropertyV(WSNheight(), static_cast<unsigned short>(200));
    area.initialize();
    area.setPropertyV(WSNwidth(), static_cast<unsigned short>(300));
    area.setPropertyV(WSNheight(), static_cast<unsigned short>(150));
    area.setForeColor("#ffffff");
    area.drawFillRect(0, 0, 300, 150);
  }

  WSCmainWindow window;
  WSCvdrawingArea area;
};

TEST_F(DrawingAreaTest, ImageCoversTheArea) {
  EXPECT_GE(area.image().width(), 300);
  EXPECT_GE(area.image().height(), 150);
}

TEST_F(DrawingAreaTest, FillRectPaintsInForeColour) {
  area.setForeColor("#ff0000");
  area.drawFillRect(10, 20, 30, 40);
  const QImage& img = area.image();
  EXPECT_EQ(img.pixel(10, 20), qRgb(255, 0, 0));
  EXPECT_EQ(img.pixel(39, 59), qRgb(255, 0, 0));
  EXPECT_EQ(img.pixel(40, 60), kWhite);
  EXPECT_EQ(img.pixel(9, 19), kWhite);
  area.setForeColor("not a colour");  // ignored: the colour stays red
  area.drawFillRect(100, 100, 2, 2);
  EXPECT_EQ(area.image().pixel(100, 100), qRgb(255, 0, 0));
}

TEST_F(DrawingAreaTest, TextIsDrawnFromTheTopOfItsBox) {
  area.setForeColor("#0000ff");
  area.drawString(20, 50, 100, 20, 1, 0, "日", -2);
  const QImage& img = area.image();
  EXPECT_FALSE(has_ink(img, 0, 0, 300, 50, kWhite));
  EXPECT_TRUE(has_ink(img, 20, 50, 32, 62, kWhite));
  EXPECT_FALSE(has_ink(img, 0, 64, 300, 150, kWhite));
}

TEST_F(DrawingAreaTest, BlanksPaintNothing) {
  area.setForeColor("#00ff00");
  area.drawFillRect(0, 0, 120, 20);
  const QImage before = area.image().copy();
  area.setForeColor("#000000");
  area.drawString(0, 0, 100, 20, 1, 0, "          ", -2);  // an empty cell: ten blanks
  EXPECT_EQ(area.image(), before);
  area.drawString(0, 0, 100, 20, 1, 0, "         X", -2);
  EXPECT_FALSE(has_ink(area.image(), 0, 0, 54, 20, qRgb(0, 255, 0)));  // the blanks left the green
  EXPECT_TRUE(has_ink(area.image(), 54, 0, 60, 20, qRgb(0, 255, 0)));
}

TEST_F(DrawingAreaTest, LongTextIsNotClippedAtItsBox) {
  area.setForeColor("#000000");
  // A grid cell of 18 bytes is 108 pixels wide, drawn in a 100-wide box.
  area.drawString(0, 0, 100, 20, 1, 0, "                 W", -2);
  EXPECT_TRUE(has_ink(area.image(), 102, 0, 108, 20, kWhite));
}

TEST_F(DrawingAreaTest, LengthLimitsTheText) {
  area.setForeColor("#000000");
  area.drawString(0, 0, 100, 20, 1, 0, "WWWW", 2);
  EXPECT_TRUE(has_ink(area.image(), 0, 0, 12, 20, kWhite));
  EXPECT_FALSE(has_ink(area.image(), 12, 0, 60, 20, kWhite));
}

TEST_F(DrawingAreaTest, ColumnsCountBytes) {
  EXPECT_EQ(probe_font_family(&area), "IPAGothic");
  EXPECT_EQ(probe_font_pixel_size(&area), 12);
  EXPECT_EQ(probe_text_width(&area, "123456789012"), 72);  // a month column of the grid
  EXPECT_EQ(probe_text_width(&area, "和暦"), 24);
  EXPECT_EQ(probe_text_width(&area, "    12月"), 48);  // a month header: 8 bytes
}

int procedure_runs = 0;
void count_and_mark(WSCbase* w) {
  ++procedure_runs;
  auto* area = static_cast<WSCvdrawingArea*>(w);
  area->setForeColor("#0000ff");
  area->drawFillRect(0, 0, 5, 5);
}

TEST_F(DrawingAreaTest, ProcedureRunsWhenShownAndOnRedraw) {
  WSCprocedure proc("new_ep", WSEV_ACTIVATE);
  proc.setFunction(count_and_mark, "count_and_mark");
  area.attachProcedure(&proc);
  procedure_runs = 0;
  area.setPropertyV(WSNvis(), static_cast<unsigned char>(1));
  window.setPropertyV(WSNvis(), static_cast<unsigned char>(1));
  probe_process_events();
  EXPECT_GE(procedure_runs, 1);
  EXPECT_EQ(area.image().pixel(2, 2), qRgb(0, 0, 255));

  const int shown = procedure_runs;
  area.redraw();
  EXPECT_EQ(procedure_runs, shown);  // a request, served by the event loop
  probe_process_events();
  EXPECT_EQ(procedure_runs, shown + 1);
}

WSCvdrawingArea* area_under_test = nullptr;
int runs_seen_inside = -1;
void press_that_repaints_the_area(WSCbase*) {
  area_under_test->refresh();  // paints now, but must not run the area's procedure inside this one
  runs_seen_inside = procedure_runs;
}

TEST_F(DrawingAreaTest, ProcedureNeverRunsInsideAnother) {
  WSCprocedure proc("new_ep", WSEV_ACTIVATE);
  proc.setFunction(count_and_mark, "count_and_mark");
  area.attachProcedure(&proc);
  WSCvbtn button(&window, "button");
  WSCprocedure press("new_ep", WSEV_ACTIVATE);
  press.setFunction(press_that_repaints_the_area, "press");
  button.attachProcedure(&press);
  area.setPropertyV(WSNvis(), static_cast<unsigned char>(1));
  window.setPropertyV(WSNvis(), static_cast<unsigned char>(1));
  probe_process_events();

  area_under_test = &area;
  const int before = procedure_runs;
  probe_click(&button);
  EXPECT_EQ(runs_seen_inside, before);
  probe_process_events();  // the deferred run comes once the press has returned
  EXPECT_GT(procedure_runs, before);
}

}  // namespace

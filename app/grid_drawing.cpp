#include "app/grid_drawing.h"

#include "app/grid_layout.h"
#include "app/widgets.h"

void Disp_Calendar(WSCbase*) {
  for (const tagGridText& t : Grid_Layout()) {
    newvdra_001->setForeColor(t.colour);
    newvdra_001->drawString(t.x, t.y, t.width, kGridBoxHeight, 1, 0, t.text.c_str(), -2);
  }
  newvdra_001->setForeColor("#000000");
}

#include "app/procedures.h"

void timerHandler(unsigned char, void* data) {
  static_cast<WSCbase*>(data)->redraw();
}

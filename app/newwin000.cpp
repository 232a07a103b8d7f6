// The main window "Sorafumi" and the widgets in it, built in this order with
// their properties in this order.
#include "app/procedures.h"
#include "app/startup.h"
#include "app/widgets.h"

namespace {

using uchar = unsigned char;
using ushort = unsigned short;

// The grid's thirteenth month column starts at x 874 of the drawing area and a
// cell that ends in "●*" is 108 pixels wide, so the area must reach x 982: the
// window, the area and the solar-term list above it grow by ten pixels past the
// classic 985 so that no mark is cut off at the right edge.
constexpr ushort kWindowWidth = 995;
constexpr ushort kGridWidth = 985;
constexpr ushort kTermListWidth = 225;
constexpr ushort kPhaseListWidth = 215;

// Heads the columns of the year-view line in newlist_000 (78 bytes).
const char* const kYearViewHeader =
    "　   和暦　  　 年干支　   天皇在位年数    月　 日　 曜日 六曜　干支　二十八宿";

void attach(WSCbase* widget, void (*function)(WSCbase*), const char* function_name) {
  auto* ep = new WSCprocedure("new_ep", WSEV_ACTIVATE);
  ep->setFunction(function, function_name);
  widget->attachProcedure(ep);
}

void place(WSCbase* w, short x, short y, ushort width) {
  w->setPropertyV(WSNx(), x);
  w->setPropertyV(WSNy(), y);
  w->setPropertyV(WSNwidth(), width);
}

// The labels 西暦, 月, 日 and 年 share one order of properties.
WSCvlabel* make_label(WSCbase* parent, const char* name, const char* text, short x, short y, ushort width) {
  auto* label = new WSCvlabel(parent, name);
  label->initialize();
  label->setPropertyV(WSNlabelString(), text);
  label->setPropertyV(WSNname(), name);
  label->setPropertyV(WSNvis(), uchar{1});
  place(label, x, y, width);
  return label;
}

WSCvifield* make_field(WSCbase* parent, const char* name, short x, short y, ushort width) {
  auto* field = new WSCvifield(parent, name);
  field->initialize();
  field->setPropertyV(WSNname(), name);
  field->setPropertyV(WSNvis(), uchar{1});
  place(field, x, y, width);
  return field;
}

// The two event lists differ only in one header setting, their title and place.
WSClist* make_event_list(WSCbase* parent, const char* name, const char* title, bool separator, short x,
                         ushort width) {
  auto* list = new WSClist(parent, name);
  list->initialize();
  list->setPropertyV(WSNitemHeight(), uchar{14});
  list->setPropertyV(WSNfont(), uchar{1});
  list->setPropertyV(WSNtitleString(), title);
  list->setPropertyV(WSNbarValue(), "");
  if (separator) list->setPropertyV(WSNseparator(), "ｰ}ｰ}ｰ}");
  else list->setPropertyV(WSNbarThickness(), ushort{15});
  list->setPropertyV(WSNworkHeight(), ushort{106});
  list->setPropertyV(WSNname(), name);
  place(list, x, 10, width);
  list->setPropertyV(WSNheight(), ushort{110});
  list->setPropertyV(WSNvis(), uchar{1});
  return list;
}

}  // namespace

void _create_win_newwin000() {
  newwin000 = new WSCmainWindow(nullptr, "newwin000");
  newwin000->initialize();
  newwin000->setPropertyV(WSNname(), "newwin000");
  newwin000->setPropertyV(WSNtitleString(), "Sorafumi");
  newwin000->setPropertyV(WSNx(), short{20});
  newwin000->setPropertyV(WSNy(), short{50});
  newwin000->setPropertyV(WSNwidth(), ushort{kWindowWidth});
  newwin000->setPropertyV(WSNheight(), ushort{585});
  newwin000->setPropertyV(WSNtitleBar(), char{3});
  newwin000->setPropertyV(WSNvis(), uchar{1});
  newwin000->setPropertyV(WSNdet(), uchar{0});
  newwin000->setPropertyV(WSNpixmapStyle(), uchar{1});

  newvdra_001 = new WSCvdrawingArea(newwin000, "newvdra_001");
  newvdra_001->initialize();
  newvdra_001->setPropertyV(WSNname(), "newvdra_001");
  newvdra_001->setPropertyV(WSNvis(), uchar{1});
  newvdra_001->setPropertyV(WSNx(), short{10});
  newvdra_001->setPropertyV(WSNy(), short{130});
  newvdra_001->setPropertyV(WSNwidth(), ushort{kGridWidth});
  newvdra_001->setPropertyV(WSNheight(), ushort{434});
  attach(newvdra_001, draw, "draw");

  newvbtn_004 = new WSCvbtn(newwin000, "newvbtn_004");
  newvbtn_004->initialize();
  newvbtn_004->setPropertyV(WSNlabelString(), "和暦表示");
  newvbtn_004->setPropertyV(WSNname(), "newvbtn_004");
  newvbtn_004->setPropertyV(WSNvis(), uchar{1});
  place(newvbtn_004, 330, 10, 190);
  newvbtn_004->setPropertyV(WSNheight(), ushort{40});
  attach(newvbtn_004, wareki, "wareki");

  newvlab_013 = new WSCvlabel(newwin000, "newvlab_013");
  newvlab_013->initialize();
  newvlab_013->setPropertyV(WSNlabelString(), kYearViewHeader);
  newvlab_013->setPropertyV(WSNalignmentH(), uchar{0});
  newvlab_013->setPropertyV(WSNname(), "newvlab_013");
  newvlab_013->setPropertyV(WSNvis(), uchar{1});
  place(newvlab_013, 10, 60, 510);

  newvifi_000 = make_field(newwin000, "newvifi_000", 60, 10, 60);
  newvifi_001 = make_field(newwin000, "newvifi_001", 170, 10, 30);
  newvifi_003 = make_field(newwin000, "newvifi_003", 250, 10, 30);
  newvlab_005 = make_label(newwin000, "newvlab_005", "西暦", 10, 10, 50);
  newvlab_007 = make_label(newwin000, "newvlab_007", "月", 210, 10, 30);
  newvlab_010 = make_label(newwin000, "newvlab_010", "日", 290, 10, 30);

  newlist_000 = new WSClist(newwin000, "newlist_000");
  newlist_000->initialize();
  newlist_000->setPropertyV(WSNitemHeight(), uchar{14});
  newlist_000->setPropertyV(WSNtitleString(), "title1");
  newlist_000->setPropertyV(WSNbarValue(), "");
  newlist_000->setPropertyV(WSNworkHeight(), ushort{26});
  newlist_000->setPropertyV(WSNname(), "newlist_000");
  place(newlist_000, 10, 90, 510);
  newlist_000->setPropertyV(WSNvis(), uchar{1});

  newlist_001 = make_event_list(newwin000, "newlist_001", "title2", true, 770, kTermListWidth);
  newlist_002 = make_event_list(newwin000, "newlist_002", "title3", false, 545, kPhaseListWidth);
  newvlab_000 = make_label(newwin000, "newvlab_000", "年", 130, 10, 30);

  newwin000->setVisible(1);
}

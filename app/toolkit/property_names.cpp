#include "app/toolkit/property_names.h"

const char* WSNname() { return "name"; }
const char* WSNtitleString() { return "titleString"; }
const char* WSNlabelString() { return "labelString"; }
const char* WSNbarValue() { return "barValue"; }
const char* WSNseparator() { return "separator"; }
const char* WSNx() { return "x"; }
const char* WSNy() { return "y"; }
const char* WSNwidth() { return "width"; }
const char* WSNheight() { return "height"; }
const char* WSNworkHeight() { return "workHeight"; }
const char* WSNbarThickness() { return "barThickness"; }
const char* WSNtitleBar() { return "titleBar"; }
const char* WSNvis() { return "vis"; }
const char* WSNdet() { return "det"; }
const char* WSNpixmapStyle() { return "pixmapStyle"; }
const char* WSNalignmentH() { return "alignmentH"; }
const char* WSNitemHeight() { return "itemHeight"; }
const char* WSNfont() { return "font"; }

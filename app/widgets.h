// The widgets of the main window, one process-wide pointer each. Built once at
// start-up by the main window and never released.
#pragma once

#include "app/toolkit/toolkit.h"

extern WSCmainWindow* newwin000;
extern WSCvdrawingArea* newvdra_001;
extern WSCvbtn* newvbtn_004;
extern WSCvlabel* newvlab_013;
extern WSCvifield* newvifi_000;  // year
extern WSCvifield* newvifi_001;  // month
extern WSCvifield* newvifi_003;  // day
extern WSCvlabel* newvlab_005;
extern WSCvlabel* newvlab_007;
extern WSCvlabel* newvlab_010;
extern WSClist* newlist_000;     // the year-view line
extern WSClist* newlist_001;     // solar terms
extern WSClist* newlist_002;     // lunar phases
extern WSCvlabel* newvlab_000;

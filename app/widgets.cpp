#include "app/widgets.h"

WSCmainWindow* newwin000 = nullptr;
WSCvdrawingArea* newvdra_001 = nullptr;
WSCvbtn* newvbtn_004 = nullptr;
WSCvlabel* newvlab_013 = nullptr;
WSCvifield* newvifi_000 = nullptr;
WSCvifield* newvifi_001 = nullptr;
WSCvifield* newvifi_003 = nullptr;
WSCvlabel* newvlab_005 = nullptr;
WSCvlabel* newvlab_007 = nullptr;
WSCvlabel* newvlab_010 = nullptr;
WSClist* newlist_000 = nullptr;
WSClist* newlist_001 = nullptr;
WSClist* newlist_002 = nullptr;
WSCvlabel* newvlab_000 = nullptr;

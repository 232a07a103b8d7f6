// Keeps Qt's own chatter off the command line's standard error.
#pragma once

// From now on Qt's debug, informational and warning messages (an unset
// runtime directory, an offscreen platform that cannot do something) are
// dropped; critical and fatal messages still reach standard error.
void quiet_qt_messages();

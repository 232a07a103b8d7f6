// The widget toolkit the almanac is written against, realised over Qt 6 Widgets.
// Every text crossing this interface is CP932 (Shift_JIS) bytes; conversion to
// and from UTF-8 happens only inside the toolkit.
#pragma once

#include "app/toolkit/application.h"
#include "app/toolkit/base.h"
#include "app/toolkit/button.h"
#include "app/toolkit/cursors.h"
#include "app/toolkit/drawing_area.h"
#include "app/toolkit/fonts.h"
#include "app/toolkit/input_field.h"
#include "app/toolkit/label.h"
#include "app/toolkit/list.h"
#include "app/toolkit/main_window.h"
#include "app/toolkit/procedure.h"
#include "app/toolkit/property_names.h"
#include "app/toolkit/text_codec.h"
#include "app/toolkit/timer.h"
#include "app/toolkit/variant.h"

// The mouse-cursor table: entries "number   identifier", ended by a null
// entry, where the identifier is a Windows cursor name such as IDC_ARROW.
#pragma once

#include <QtCore/qnamespace.h>

void WSGFloadMouseCursorData(char** table);
// The shape of cursor n, the arrow when the table has no cursor n.
Qt::CursorShape toolkit_cursor_shape(int n);

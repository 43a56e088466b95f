// Reading texts out of windows into fixed buffers: whatever the window holds, the text is cut
// to fit and terminated inside the buffer.
#pragma once

#include "platform/win32.h"

#include <cstddef>

// The window text (WM_GETTEXT; for a drop-down list combo box, its selected item).
void readWindowText(HWND window, char* text, size_t size);
// An item's text of a list box or combo box: `lengthMessage` (LB_GETTEXTLEN/CB_GETLBTEXTLEN)
// sizes it, `textMessage` (LB_GETTEXT/CB_GETLBTEXT) fetches it. Empty when there is no item.
void readItemText(HWND control, UINT lengthMessage, UINT textMessage, int index, char* text,
                  size_t size);

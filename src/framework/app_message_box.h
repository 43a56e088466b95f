// The application's message box: owned by the active window, captioned with the
// application's title.
#pragma once

#include "platform/win32.h"

int AfxMessageBox(const char* text, UINT type = MB_OK);

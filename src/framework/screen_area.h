// The part of the primary screen a window opens in.
#pragma once

#include "platform/win32.h"

enum class AfxScreenAreaSource {
    workArea,    // SPI_GETWORKAREA: Windows NT 4.0 and later, without the taskbar
    wholeScreen, // GetSystemMetrics: Windows NT 3.51, which has no taskbar
};

AfxScreenAreaSource AfxGetScreenArea(RECT& area);

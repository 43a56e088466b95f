// The one header product code includes for the Win32 API: the real headers on Windows, the
// portable implementation of the same subset everywhere else.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <commctrl.h>
#else
#include "portable/windows.h"
#endif

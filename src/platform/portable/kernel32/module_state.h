// What a test chose for GetVersion and WinHelpA.
#pragma once

#include "platform/portable/win32_types.h"

namespace portable::module {

DWORD reportedVersion();
BOOL callWinHelp(HWND window, const char* helpFile, UINT command, ULONG_PTR data);

} // namespace portable::module

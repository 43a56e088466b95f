// The module's one export, called by the setup host with the service name in argv[0]. Points
// *textOut at ResultText and always returns TRUE.
#pragma once

#include "platform/win32.h"

extern "C" BOOL WINAPI TVXConfigEntryPoint(DWORD argc, LPSTR* argv, LPSTR* textOut);

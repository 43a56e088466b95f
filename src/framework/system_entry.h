// Functions that only newer Windows versions export, found at run time so that the module still
// loads where they are missing. Tests replace the lookup to see the fallbacks taken.
#pragma once

#include "platform/win32.h"

// Finds a function exported by a system DLL the process has loaded; nullptr when missing.
using AfxSystemEntryLookup = FARPROC (*)(const char* module, const char* function);

// Replaces the lookup (nullptr: the loader's own); returns the one it replaced.
AfxSystemEntryLookup AfxSetSystemEntryLookup(AfxSystemEntryLookup lookup);

// The function through the current lookup, cast to its type; nullptr when this Windows lacks it.
FARPROC AfxFindSystemEntry(const char* module, const char* function);

template <typename Function> Function AfxSystemEntry(const char* module, const char* function) {
    // Through the generic function type, the one every function pointer casts to cleanly.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(AfxFindSystemEntry(module, function)));
}

// The portable build's own module API: what GetVersion reports, stand-ins for Windows libraries
// this system does not have, and what WinHelpA does.
#pragma once

#include "win32_types.h"

#include <functional>
#include <map>
#include <string>

namespace portable {

// The value GetVersion returns, in its layout: major version in the low byte, minor in the next,
// build number in the high word (bit 31 clear: an NT system). Until set it reports Windows 6.1,
// build 7601 (0x1DB10106), the newest version whose numbering programs of that age understand.
void setReportedVersion(DWORD version);

// A library LoadLibraryA can load by name (any case) without a shared object behind it. Its
// entry points are found by ordinal (MAKEINTRESOURCE) or by name.
struct StandInLibrary {
    std::map<WORD, FARPROC> ordinals;
    std::map<std::string, FARPROC> names;
    int* loadCount = nullptr; // when set, counts the LoadLibraryA calls that loaded it
    int* freeCount = nullptr; // when set, counts the FreeLibrary calls that freed it
};

// Adds or replaces the stand-in for that name. Its modules stay valid until it is removed.
void registerStandInLibrary(const std::string& name, StandInLibrary library);
void removeStandInLibraries();

// Called by WinHelpA; its result is WinHelpA's. Without one, WinHelpA does nothing and fails.
using WinHelpHandler =
    std::function<BOOL(HWND window, const char* helpFile, UINT command, ULONG_PTR data)>;
void setWinHelpHandler(WinHelpHandler handler);

} // namespace portable

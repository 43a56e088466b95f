// One call of the module's exported TVXConfigEntryPoint, as a setup host makes it.
#pragma once

#include "platform/win32.h"

#include <string>

namespace scenario {

typedef BOOL(WINAPI* EntryPoint)(DWORD argc, LPSTR* argv, LPSTR* textOut);

struct CallResult {
    BOOL returned = FALSE;
    std::string word; // the result text read through the pointer; empty when none was set
};

// Calls entry with argv {service} and copies the result word before anything else can run.
CallResult callEntryPoint(EntryPoint entry, const std::string& service);

// The host's exit status for a result word: OK 0, Cancel 1, anything else 2.
int exitStatusFor(const std::string& word);

} // namespace scenario

#include "framework/system_entry.h"

namespace {

// The module imports from every DLL it looks in, so each is loaded already: no LoadLibrary (and
// no reference to give back) is needed.
FARPROC loaderLookup(const char* module, const char* function) {
    HMODULE loaded = ::GetModuleHandleA(module);
    return loaded != nullptr ? ::GetProcAddress(loaded, function) : nullptr;
}

AfxSystemEntryLookup currentLookup = loaderLookup;

} // namespace

AfxSystemEntryLookup AfxSetSystemEntryLookup(AfxSystemEntryLookup lookup) {
    AfxSystemEntryLookup previous = currentLookup;
    currentLookup = lookup != nullptr ? lookup : loaderLookup;
    return previous;
}

FARPROC AfxFindSystemEntry(const char* module, const char* function) {
    return currentLookup(module, function);
}

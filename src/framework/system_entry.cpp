#include "framework/system_entry.h"

#include <cstring>

namespace {

// The module imports from every DLL it looks in, so each is loaded already and stays loaded
// while the module is: no LoadLibrary (and no reference to give back) is needed, and what is
// found once holds for the module's life.
FARPROC loaderLookup(const char* module, const char* function) {
    HMODULE loaded = ::GetModuleHandleA(module);
    return loaded != nullptr ? ::GetProcAddress(loaded, function) : nullptr;
}

AfxSystemEntryLookup currentLookup = loaderLookup;

// The loader's answers, each asked once: the module looks up a handful of functions, some at
// every dialog.
struct Answer {
    const char* module;
    const char* function;
    FARPROC entry;
};
Answer answers[8];
size_t answerCount = 0;

FARPROC rememberedLookup(const char* module, const char* function) {
    for (size_t i = 0; i < answerCount; ++i) {
        const Answer& a = answers[i];
        if (std::strcmp(a.module, module) == 0 && std::strcmp(a.function, function) == 0)
            return a.entry;
    }
    FARPROC entry = loaderLookup(module, function);
    if (answerCount < sizeof answers / sizeof answers[0])
        answers[answerCount++] = Answer{module, function, entry};
    return entry;
}

} // namespace

AfxSystemEntryLookup AfxSetSystemEntryLookup(AfxSystemEntryLookup lookup) {
    AfxSystemEntryLookup previous = currentLookup;
    currentLookup = lookup != nullptr ? lookup : loaderLookup;
    return previous;
}

FARPROC AfxFindSystemEntry(const char* module, const char* function) {
    if (currentLookup == loaderLookup)
        return rememberedLookup(module, function);
    return currentLookup(module, function);
}

// The module whose code includes this header, found from an address inside it: how a shared
// object, a test program or a fuzzer learns its own handle where no loader hands it over. (The
// Windows DLL takes its handle from the loader at attach, and never calls this: NT 3.51 has no
// GetModuleHandleExA.)
#pragma once

#include "platform/win32.h"

// Internal linkage on purpose: each file that calls it has its own copy, inside its own module.
static inline HMODULE ownModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ownModule), &module);
    return module;
}

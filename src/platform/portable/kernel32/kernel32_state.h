// Kernel32State: all that kernel32 keeps for the process, in one place: the loaded modules and
// stand-ins, the version GetVersion reports and the WinHelpA handler; and, per thread, the
// last error.
#pragma once

#include "platform/portable/kernel32/module_table.h"
#include "platform/portable/portable_module.h"

#include <atomic>
#include <mutex>

namespace portable {

constexpr DWORD kWindows7 = 0x1DB10106; // 6.1, build 7601

struct Kernel32State {
    module::ModuleTable modules;
    std::atomic<DWORD> version{kWindows7};
    std::mutex helpMutex; // guards help
    WinHelpHandler help;
};

struct Kernel32ThreadState {
    DWORD lastError = 0;
};

// The instances, made when the library loads (the thread's when the thread starts).
extern Kernel32State kernel32;
extern thread_local Kernel32ThreadState kernel32Thread;

} // namespace portable

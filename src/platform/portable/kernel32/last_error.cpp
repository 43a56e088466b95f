// The thread's last error and its id.
#include "platform/portable/kernel32/kernel32_state.h"
#include "platform/portable/windows.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace portable {
// Defined where it is read, so that each access is a plain thread-local one.
thread_local Kernel32ThreadState kernel32Thread;
} // namespace portable

using portable::kernel32Thread;

extern "C" {
DWORD WINAPI GetLastError(void) {
    return kernel32Thread.lastError;
}
void WINAPI SetLastError(DWORD error) {
    kernel32Thread.lastError = error;
}
DWORD WINAPI GetCurrentThreadId(void) {
    return DWORD(syscall(SYS_gettid));
}
}

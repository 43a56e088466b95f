// The few kernel functions the window system brings: the thread's last error and its id.
#include "platform/portable/windows.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace {
thread_local DWORD lastError = 0;
}

extern "C" {
DWORD WINAPI GetLastError(void) {
    return lastError;
}
void WINAPI SetLastError(DWORD error) {
    lastError = error;
}
DWORD WINAPI GetCurrentThreadId(void) {
    return DWORD(syscall(SYS_gettid));
}
}

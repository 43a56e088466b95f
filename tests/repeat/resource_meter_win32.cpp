// Windows: the process's USER and GDI objects, its kernel handles, the thread's windows, the
// bytes in use on its heaps and its private bytes. Wine answers GetGuiResources and
// GetProcessHandleCount with 0 and leaves PrivateUsage out; there the windows, the heaps and
// the page-file usage (which Wine does report) carry the check.
#include "resource_meter.h"

#include <windows.h>

#include <psapi.h>

namespace {

BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<long long*>(count);
    return TRUE;
}

long long threadWindows() {
    long long count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Busy blocks on every heap of the process (the C runtime's included).
long long heapBytesInUse() {
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    long long busy = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += static_cast<long long>(entry.cbData);
        HeapUnlock(heaps[i]);
    }
    return busy;
}

long long privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    SIZE_T bytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return static_cast<long long>(bytes);
}

} // namespace

ResourceReading readResources() {
    HANDLE process = GetCurrentProcess();
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    ResourceReading reading;
    reading.figures[0] = {"USER objects", GetGuiResources(process, GR_USEROBJECTS), 0, 0};
    reading.figures[1] = {"GDI objects", GetGuiResources(process, GR_GDIOBJECTS), 0, 0};
    reading.figures[2] = {"kernel handles", handles, 0, 0};
    reading.figures[3] = {"thread windows", threadWindows(), 0, 0};
    reading.figures[4] = {"heap bytes", heapBytesInUse(), 64 * 1024, 4 * 1024};
    // The system keeps freed pages for reuse; a leak of one dialog a call would pass this by far
    // over the calls made.
    reading.figures[5] = {"private bytes", privateBytes(), 1024 * 1024, 256 * 1024};
    reading.count = 6;
    return reading;
}

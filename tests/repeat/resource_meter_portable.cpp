// The portable build: heap bytes in use, open file descriptors, and the window system's and
// the registry's handle tables.
#include "resource_meter.h"

#include "platform/portable/window_view.h"

#include <dirent.h>
#include <malloc.h>

extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

// The sanitizer's allocator counts exactly the bytes held. malloc's count also holds chunks it
// keeps cached for reuse (the test turns its thread cache off), hence a little slack.
ResourceFigure heapFigure() {
    if (__sanitizer_get_current_allocated_bytes != nullptr)
        return {"heap bytes", static_cast<long long>(__sanitizer_get_current_allocated_bytes()), 0,
                0};
    return {"heap bytes", static_cast<long long>(mallinfo2().uordblks), 1024, 1024};
}

long long openFiles() {
    long long count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir) != nullptr)
            ++count;
        closedir(dir);
    }
    return count;
}

} // namespace

ResourceReading readResources() {
    const ResourceFigure heap = heapFigure(); // first, before anything else is made
    const portable::inspect::HandleCounts counts = portable::inspect::handleCounts();
    auto figure = [](const char* name, size_t value) {
        return ResourceFigure{name, static_cast<long long>(value), 0, 0};
    };
    ResourceReading reading;
    reading.figures = {{
        heap,
        {"open files", openFiles(), 0, 0},
        figure("windows", counts.windows),
        figure("window table slots", counts.windowSlots),
        figure("timers", counts.timers),
        figure("posted messages", counts.postedMessages),
        figure("open registry keys", counts.openKeys),
        figure("registry key slots", counts.keySlots),
    }};
    reading.count = 8;
    return reading;
}

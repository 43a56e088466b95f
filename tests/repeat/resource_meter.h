// What the process holds, read the same way before and after many calls: heap in use, the
// system's handles (open files, or USER and GDI objects) and the window system's own tables.
// Each platform reads its own figures (resource_meter_portable.cpp, resource_meter_win32.cpp).
#pragma once

#include <array>
#include <cstddef>

struct ResourceFigure {
    const char* name = "";
    long long value = 0;
    // Growth allowed over all the calls, for tables and caches that reach their size in the
    // first calls (a heap's free lists, a queue's blocks)...
    long long warmUp = 0;
    // ...and over the second half of the calls, when they have reached it.
    long long steady = 0;
};

// A reading takes no heap of its own, so that readings held do not show in later ones.
struct ResourceReading {
    std::array<ResourceFigure, 8> figures;
    size_t count = 0;
};

ResourceReading readResources();

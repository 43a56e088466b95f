// Comctl32State: all that comctl32 keeps for the process, in one place.
#pragma once

#include "platform/portable/windows.h"

#include <map>

namespace portable {

// A buddy whose arrow keys go to an up-down control, and the buddy's own procedure.
struct BuddySubclass {
    HWND upDown;
    WNDPROC original;
};

struct Comctl32State {
    std::map<HWND, BuddySubclass> buddies; // by buddy
};

// The one instance, made when the library loads.
extern Comctl32State comctl32;

} // namespace portable

// A read-only view of the portable window system, for front ends that draw the windows and for
// tests: each window's class, text, place and state, and what its control shows.
#pragma once

#include "windows.h"

#include <string>
#include <vector>

namespace portable {
namespace inspect {

struct WindowView {
    HWND hwnd = nullptr;
    std::string className;
    std::string text; // the window text; for a drop-down list, the selected item
    int id = 0;
    DWORD style = 0;
    RECT rect{};          // screen coordinates, pixels = dialog units
    bool visible = false; // itself and its ancestors
    bool enabled = false; // itself
    bool focused = false;
    std::vector<std::string> items; // list box and combo box items
    int selection = -1;             // list box, combo box
    int topIndex = 0;               // list box
    bool dropped = false;           // combo box
    UINT check = 0;                 // buttons: BST_*
    DWORD selStart = 0, selEnd = 0; // edit
    HICON icon = nullptr;           // static SS_ICON
};

// The top-level windows, the most recent first (the order EnumThreadWindows gives).
std::vector<HWND> topLevelWindows();
// A window's children in their Z order (the tab order).
std::vector<HWND> children(HWND window);
// What a window shows; hwnd is null in the result when the handle is not a live window.
WindowView view(HWND window);
// The deepest visible child at a screen point (or the window itself).
HWND childAt(HWND window, POINT screen);

// What the process holds of the window system and the registry, for tests that a call gives
// back everything it took. Slots are the sizes of the handle tables, which never shrink.
struct HandleCounts {
    size_t windows = 0;
    size_t windowSlots = 0;
    size_t timers = 0;
    size_t postedMessages = 0;
    size_t openKeys = 0;
    size_t keySlots = 0;
};
HandleCounts handleCounts();

} // namespace inspect
} // namespace portable

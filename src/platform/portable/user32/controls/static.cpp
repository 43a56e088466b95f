#include "platform/portable/user32/controls/static.h"

#include "platform/portable/user32/windowing/window_system.h"

namespace portable {

LRESULT Static::handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case STM_SETICON: {
        HICON previous = icon_;
        icon_ = reinterpret_cast<HICON>(wParam);
        windowsChanged();
        return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(icon_);
    default:
        return defaultWindowProc(window, message, wParam, lParam);
    }
}

} // namespace portable

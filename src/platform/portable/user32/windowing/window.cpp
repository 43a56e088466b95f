#include "platform/portable/user32/windowing/window.h"

namespace portable {

// A caption is one text row: 8 pixels at 4 x 8 pixels per character cell.
LONG Window::captionHeight() const {
    return (!isChild() && (style & WS_CAPTION)) ? 8 : 0;
}

RECT Window::clientRect() const {
    return RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top - captionHeight()};
}

} // namespace portable

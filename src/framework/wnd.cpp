#include "framework/wnd.h"

#include "framework/screen_area.h"
#include "framework/window_text.h"

void CWnd::GetWindowText(char* text, size_t size) const {
    readWindowText(m_hWnd, text, size);
}

namespace {

// Where `size` goes centred over `over` along one axis, then moved back inside [low, high).
LONG centred(LONG overLow, LONG overHigh, LONG size, LONG low, LONG high) {
    LONG at = (overLow + overHigh) / 2 - size / 2;
    if (at + size > high)
        at = high - size;
    return at < low ? low : at;
}

} // namespace

void CWnd::CenterWindow() const {
    // A window without a visible owner opens in the middle of the screen.
    RECT area{};
    AfxGetScreenArea(area);
    RECT over = area;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    LONG ownerStyle = owner != nullptr ? ::GetWindowLongA(owner, GWL_STYLE) : 0;
    if ((ownerStyle & WS_VISIBLE) && !(ownerStyle & WS_MINIMIZE))
        ::GetWindowRect(owner, &over);
    RECT self{};
    ::GetWindowRect(m_hWnd, &self);
    LONG x = centred(over.left, over.right, self.right - self.left, area.left, area.right);
    LONG y = centred(over.top, over.bottom, self.bottom - self.top, area.top, area.bottom);
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

#include "framework/wnd.h"

#include "framework/window_text.h"

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    m_hWnd = nullptr;
    return window;
}

void CWnd::GetWindowText(char* text, size_t size) const {
    readWindowText(m_hWnd, text, size);
}

// CWnd: a window handle with the few operations the dialog needs, one line per message.
#pragma once

#include "framework/cmd_target.h"
#include "platform/win32.h"

#include <cstddef>

class CWnd : public CCmdTarget {
  public:
    void Attach(HWND window) { m_hWnd = window; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    // The window text, cut to fit `size` bytes and always terminated.
    void GetWindowText(char* text, size_t size) const;
    // Centres a top-level window over its owner, or over the work area when the owner is
    // hidden, minimised or missing; kept inside the work area either way.
    void CenterWindow() const;

    HWND m_hWnd = nullptr;
};

#include "platform/portable/user32/controls/edit.h"

#include "platform/portable/user32/windowing/window_system.h"

#include <algorithm>
#include <cctype>

namespace portable {

LRESULT Edit::handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_CHAR:
        typeChar(window, char(wParam));
        return 0;
    case WM_KEYDOWN:
        keyDown(window, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window.handle);
        moveCaret(window, DWORD(std::max(0, GET_X_LPARAM(lParam) / 4)), false);
        return 0;
    case WM_SETFOCUS:
        notifyParent(window, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        notifyParent(window, EN_KILLFOCUS);
        return 0;
    case WM_SETTEXT:
        setText(window, reinterpret_cast<LPCSTR>(lParam));
        return TRUE;
    case EM_SETSEL:
        setSel(window, LPARAM(wParam), lParam);
        return 0;
    case EM_GETSEL:
        return getSel(wParam, lParam);
    case EM_REPLACESEL:
        replaceSel(window, lParam ? reinterpret_cast<LPCSTR>(lParam) : "", TextLimit::kEnforce);
        return 0;
    case EM_LIMITTEXT:
        limit_ = wParam ? DWORD(std::min<WPARAM>(wParam, 0x7FFFFFFE)) : 0x7FFFFFFE;
        return 0;
    case EM_GETLIMITTEXT:
        return limit_;
    case WM_CLEAR:
        replaceSel(window, "", TextLimit::kIgnore);
        return 0;
    case WM_CUT:
    case WM_COPY:
        user32.clipboard = window.text.substr(selectionStart(), selectionEnd() - selectionStart());
        if (message == WM_CUT)
            replaceSel(window, "", TextLimit::kIgnore);
        return 0;
    case WM_PASTE:
        replaceSel(window, user32.clipboard, TextLimit::kEnforce);
        return 0;
    default:
        return defaultWindowProc(window, message, wParam, lParam);
    }
}

void Edit::typeChar(Window& window, char c) {
    if (window.style & ES_READONLY)
        return;
    if (c == '\b') {
        if (start_ == end_ && end_ > 0)
            start_ = end_ - 1;
        replaceSel(window, "", TextLimit::kIgnore);
        return;
    }
    if (static_cast<unsigned char>(c) < 0x20)
        return;
    if ((window.style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(c))) {
        MessageBeep(0xFFFFFFFF);
        return;
    }
    replaceSel(window, std::string(1, c), TextLimit::kEnforce);
}

void Edit::keyDown(Window& window, WPARAM key) {
    bool extend = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    DWORD length = DWORD(window.text.size());
    switch (key) {
    case VK_LEFT:
        moveCaret(window, end_ > 0 ? end_ - 1 : 0, extend);
        break;
    case VK_RIGHT:
        moveCaret(window, std::min(end_ + 1, length), extend);
        break;
    case VK_HOME:
        moveCaret(window, 0, extend);
        break;
    case VK_END:
        moveCaret(window, length, extend);
        break;
    case VK_DELETE:
        if (window.style & ES_READONLY)
            break;
        if (start_ == end_ && end_ < length)
            end_ = end_ + 1;
        replaceSel(window, "", TextLimit::kIgnore);
        break;
    default:
        break;
    }
}

void Edit::moveCaret(const Window& window, DWORD to, bool extend) {
    end_ = std::min(to, DWORD(window.text.size()));
    if (!extend)
        start_ = end_;
    windowsChanged();
}

void Edit::setSel(const Window& window, LPARAM from, LPARAM to) {
    DWORD length = DWORD(window.text.size());
    if (from == -1) {
        start_ = end_; // -1 removes the selection and leaves the caret where it is
    } else {
        // Negative ends mean the end of the text, as unsigned values past it would.
        start_ = from < 0 ? length : DWORD(std::min<LPARAM>(from, length));
        end_ = to < 0 ? length : DWORD(std::min<LPARAM>(to, length));
    }
    windowsChanged();
}

LRESULT Edit::getSel(WPARAM startOut, LPARAM endOut) const {
    if (startOut)
        *reinterpret_cast<DWORD*>(startOut) = selectionStart();
    if (endOut)
        *reinterpret_cast<DWORD*>(endOut) = selectionEnd();
    if (selectionEnd() > 0xFFFF)
        return -1;
    return MAKELONG(selectionStart(), selectionEnd());
}

bool Edit::replaceSel(Window& window, const std::string& text, TextLimit limit) {
    DWORD from = selectionStart(), to = selectionEnd();
    std::string insert = text;
    size_t kept = window.text.size() - (to - from);
    if (limit == TextLimit::kEnforce && kept + insert.size() > limit_) {
        insert.resize(kept >= limit_ ? 0 : limit_ - kept);
        notifyParent(window, EN_MAXTEXT);
        if (!windows().find(window.handle))
            return false;
    }
    if (insert.empty() && from == to)
        return false;
    window.text.replace(from, to - from, insert);
    start_ = end_ = from + DWORD(insert.size());
    windowsChanged();
    notifyParent(window, EN_UPDATE);
    if (windows().find(window.handle))
        notifyParent(window, EN_CHANGE);
    return true;
}

void Edit::setText(Window& window, LPCSTR text) {
    window.text = text ? text : "";
    start_ = end_ = 0;
    windowsChanged();
    // The real control reports a text set by code as a change too.
    notifyParent(window, EN_UPDATE);
    if (windows().find(window.handle))
        notifyParent(window, EN_CHANGE);
}

} // namespace portable

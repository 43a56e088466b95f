#include "platform/portable/user32/controls/button.h"

#include "platform/portable/user32/windowing/window_system.h"

namespace portable {

namespace {
DWORD typeOf(const Window& window) {
    return window.style & BS_TYPEMASK;
}
bool isRadio(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
} // namespace

std::vector<HWND> radioGroupOf(const Window& radio) {
    std::vector<HWND> group;
    Window* parent = windows().find(radio.parent);
    if (!parent)
        return group;
    const std::vector<HWND>& siblings = parent->children;
    // The group runs from the last WS_GROUP control at or before the radio up to the next one.
    size_t self = 0;
    while (self < siblings.size() && siblings[self] != radio.handle)
        ++self;
    size_t first = self;
    while (first > 0 && !(windows().find(siblings[first])->style & WS_GROUP))
        --first;
    for (size_t i = first; i < siblings.size(); ++i) {
        Window* sibling = windows().find(siblings[i]);
        if (i > first && (sibling->style & WS_GROUP))
            break;
        // Like GetNextDlgGroupItem, the walk passes over hidden and disabled controls.
        if (i != self && sibling->className == "Button" && isRadio(typeOf(*sibling)) &&
            (sibling->style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE)
            group.push_back(sibling->handle);
    }
    return group;
}

LRESULT Button::handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return getDlgCode(window);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        buttonDown(window);
        return 0;
    case WM_LBUTTONUP: {
        RECT client = window.clientRect();
        int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        buttonUp(window,
                 x >= client.left && x < client.right && y >= client.top && y < client.bottom);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            pressed_ = true;
            pushed_ = true;
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            buttonUp(window, true);
        return 0;
    case WM_SETFOCUS:
        // Receiving the focus checks nothing and notifies nothing: an arrow key that moves onto
        // an auto radio clicks it through the dialog manager.
        focused_ = true;
        return 0;
    case WM_KILLFOCUS:
        focused_ = false;
        pressed_ = false;
        pushed_ = false;
        return 0;
    case BM_GETCHECK:
        return check_;
    case BM_SETCHECK:
        setCheck(window, wParam);
        return 0;
    case BM_GETSTATE:
        return LRESULT(check_ | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0));
    case BM_SETSTATE:
        pushed_ = wParam != 0;
        windowsChanged();
        return 0;
    case BM_SETSTYLE:
        window.style = (window.style & ~DWORD(BS_TYPEMASK)) | DWORD(wParam & BS_TYPEMASK);
        return 0;
    case BM_CLICK:
        SendMessageA(window.handle, WM_LBUTTONDOWN, 0, 0);
        SendMessageA(window.handle, WM_LBUTTONUP, 0, 0);
        return 0;
    default:
        return defaultWindowProc(window, message, wParam, lParam);
    }
}

LRESULT Button::getDlgCode(const Window& window) const {
    switch (typeOf(window)) {
    case BS_PUSHBUTTON:
    case BS_USERBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

void Button::buttonDown(Window& window) {
    pressed_ = true;
    SetFocus(window.handle);
    pushed_ = true;
    windowsChanged();
}

void Button::buttonUp(Window& window, bool inside) {
    bool wasPressed = pressed_ && pushed_;
    pressed_ = false;
    pushed_ = false;
    if (!wasPressed || !inside)
        return;
    HWND self = window.handle;
    switch (typeOf(window)) {
    case BS_AUTOCHECKBOX:
        SendMessageA(self, BM_SETCHECK, check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTORADIOBUTTON:
        // BM_SETCHECK checks this one only; a click also unchecks the rest of its group.
        SendMessageA(self, BM_SETCHECK, BST_CHECKED, 0);
        for (HWND other : radioGroupOf(window))
            SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageA(self, BM_SETCHECK, (check_ + 1) % 3, 0);
        break;
    default:
        break;
    }
    if (Window* still = windows().find(self))
        notifyParent(*still, BN_CLICKED);
}

void Button::setCheck(Window& window, WPARAM check) {
    DWORD type = typeOf(window);
    UINT most = (type == BS_3STATE || type == BS_AUTO3STATE) ? BST_INDETERMINATE : BST_CHECKED;
    check_ = UINT(check) > most ? most : UINT(check);
    // A checked radio button is the tab stop of its group.
    if (isRadio(type))
        window.style = check_ ? (window.style | WS_TABSTOP) : (window.style & ~DWORD(WS_TABSTOP));
    windowsChanged();
}

} // namespace portable

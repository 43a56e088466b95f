// The exported window functions: text, styles, geometry, visibility, enabling, relations and
// enumeration.
#include "platform/portable/user32/windowing/window_system.h"

#include <algorithm>
#include <iterator>

using namespace portable;

namespace {
Window* lookup(HWND handle) {
    Window* window = windows().find(handle);
    if (!window)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

const std::vector<HWND>* siblingsOf(const Window& window, std::vector<HWND>& topLevel) {
    if (Window* parent = windows().find(window.parent))
        return &parent->children;
    topLevel = windows().topLevel();
    return &topLevel;
}

HWND sibling(const Window& window, UINT relation) {
    std::vector<HWND> topLevel;
    const std::vector<HWND>& list = *siblingsOf(window, topLevel);
    if (list.empty())
        return nullptr;
    auto it = std::find(list.begin(), list.end(), window.handle);
    switch (relation) {
    case GW_HWNDFIRST:
        return list.front();
    case GW_HWNDLAST:
        return list.back();
    case GW_HWNDNEXT:
        return (it == list.end() || it + 1 == list.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return (it == list.end() || it == list.begin()) ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

bool enumChildren(HWND parent, WNDENUMPROC callback, LPARAM lParam) {
    Window* window = windows().find(parent);
    if (!window)
        return true;
    std::vector<HWND> children = window->children;
    for (HWND child : children) {
        if (!windows().find(child))
            continue;
        if (!callback(child, lParam) || !enumChildren(child, callback, lParam))
            return false;
    }
    return true;
}

// Makes a top-level window the active one: the window losing activation hears WM_ACTIVATE with
// WA_INACTIVE first, then the new one with WA_ACTIVE (a dialog saves and restores its focused
// control on these). With `focus`, a window left active without the focus inside takes it.
void activate(HWND window, bool focus) {
    HWND previous = GetActiveWindow();
    if (previous == window)
        return;
    if (previous)
        SendMessageA(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(window));
    user32.active = windows().find(window) ? window : nullptr;
    if (user32.active)
        SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    if (focus && window && GetActiveWindow() == window) {
        HWND focused = GetFocus();
        if (!focused || topLevelOf(focused) != window)
            SetFocus(window);
    }
}
} // namespace

namespace portable {
SIZE screenSize() {
    FrontEnd* person = frontEnd();
    return person ? person->screenSize() : FrontEnd::defaultScreenSize();
}
} // namespace portable

extern "C" {

BOOL WINAPI IsWindow(HWND window) {
    return windows().find(window) != nullptr;
}

BOOL WINAPI DestroyWindow(HWND window) {
    if (!lookup(window))
        return FALSE;
    destroyWindow(window);
    if (user32.active == window || !windows().find(user32.active))
        user32.active = nullptr;
    return TRUE;
}

HWND WINAPI GetParent(HWND window) {
    Window* w = lookup(window);
    if (!w)
        return nullptr;
    return w->isChild() ? w->parent : w->owner;
}

HWND WINAPI GetWindow(HWND window, UINT relation) {
    Window* w = lookup(window);
    if (!w)
        return nullptr;
    if (relation == GW_OWNER)
        return w->isChild() ? nullptr : w->owner;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    return sibling(*w, relation);
}

BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    if (!lookup(window))
        return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != FALSE;
}

int WINAPI GetWindowTextA(HWND window, LPSTR text, int maxCount) {
    if (text && maxCount > 0)
        text[0] = '\0';
    if (!lookup(window) || !text || maxCount <= 0)
        return 0;
    return int(SendMessageA(window, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthA(HWND window) {
    if (!lookup(window))
        return 0;
    return int(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI ShowWindow(HWND window, int command) {
    Window* w = lookup(window);
    if (!w)
        return FALSE;
    BOOL wasVisible = (w->style & WS_VISIBLE) != 0;
    bool show = command != SW_HIDE;
    if (bool(wasVisible) == show)
        return wasVisible;
    SendMessageA(window, WM_SHOWWINDOW, show, 0);
    if (!(w = windows().find(window)))
        return wasVisible;
    if (show) {
        w->style |= WS_VISIBLE;
    } else {
        w->style &= ~DWORD(WS_VISIBLE);
        if (user32.focus == window || isDescendant(window, user32.focus))
            SetFocus(w->isChild() ? w->parent : nullptr);
    }
    windowsChanged();
    return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND window) {
    for (Window* w = windows().find(window); w; w = windows().find(w->parent))
        if (!(w->style & WS_VISIBLE))
            return FALSE;
    return windows().find(window) != nullptr;
}

BOOL WINAPI EnableWindow(HWND window, BOOL enable) {
    Window* w = lookup(window);
    if (!w)
        return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable) {
        w->style &= ~DWORD(WS_DISABLED);
    } else {
        w->style |= WS_DISABLED;
        if (user32.focus == window || isDescendant(window, user32.focus))
            SetFocus(nullptr);
    }
    if (bool(wasDisabled) == !enable)
        return wasDisabled;
    SendMessageA(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    windowsChanged();
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND window) {
    Window* w = windows().find(window);
    return w && !(w->style & WS_DISABLED);
}

int WINAPI GetClassNameA(HWND window, LPSTR className, int maxCount) {
    Window* w = lookup(window);
    if (!w)
        return 0;
    return copyText(w->className, className, maxCount);
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index) {
    Window* w = lookup(window);
    if (!w)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return LONG_PTR(LONG(w->style));
    case GWL_EXSTYLE:
        return LONG_PTR(LONG(w->exStyle));
    case GWLP_ID:
        return w->id;
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->isChild() ? w->parent : w->owner);
    default:
        break;
    }
    size_t slot = size_t(index) / sizeof(LONG_PTR);
    if (index < 0 || size_t(index) % sizeof(LONG_PTR) != 0 || slot >= w->extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return w->extra[slot];
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* w = lookup(window);
    if (!w)
        return 0;
    LONG_PTR old = GetWindowLongPtrA(window, index);
    switch (index) {
    case GWL_STYLE:
        w->style = DWORD(value);
        break;
    case GWL_EXSTYLE:
        w->exStyle = DWORD(value);
        break;
    case GWLP_ID:
        w->id = int(value);
        if (Window* parent = w->isChild() ? windows().find(w->parent) : nullptr) {
            auto at = std::find(parent->children.begin(), parent->children.end(), window);
            if (at != parent->children.end())
                parent->childIds[size_t(at - parent->children.begin())] = w->id;
        }
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    case GWLP_WNDPROC:
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWLP_HWNDPARENT:
        if (!w->isChild())
            w->owner = reinterpret_cast<HWND>(value);
        break;
    default: {
        size_t slot = size_t(index) / sizeof(LONG_PTR);
        if (index < 0 || size_t(index) % sizeof(LONG_PTR) != 0 || slot >= w->extra.size()) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        w->extra[slot] = value;
    }
    }
    return old;
}

LONG WINAPI GetWindowLongA(HWND window, int index) {
    return LONG(GetWindowLongPtrA(window, index));
}

LONG WINAPI SetWindowLongA(HWND window, int index, LONG value) {
    return LONG(SetWindowLongPtrA(window, index, value));
}

BOOL WINAPI GetWindowRect(HWND window, LPRECT rect) {
    Window* w = lookup(window);
    if (!w || !rect)
        return FALSE;
    POINT origin = w->isChild() ? clientOrigin(w->parent) : POINT{0, 0};
    *rect = RECT{origin.x + w->rect.left, origin.y + w->rect.top, origin.x + w->rect.right,
                 origin.y + w->rect.bottom};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    Window* w = lookup(window);
    if (!w || !rect)
        return FALSE;
    *rect = w->clientRect();
    return TRUE;
}

BOOL WINAPI SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT flags) {
    Window* w = lookup(window);
    if (!w)
        return FALSE;
    RECT& r = w->rect;
    LONG width = (flags & SWP_NOSIZE) ? r.right - r.left : cx;
    LONG height = (flags & SWP_NOSIZE) ? r.bottom - r.top : cy;
    if (!(flags & SWP_NOMOVE)) {
        r.left = x;
        r.top = y;
    }
    r.right = r.left + width;
    r.bottom = r.top + height;
    windowsChanged();
    return TRUE;
}

BOOL WINAPI SystemParametersInfoA(UINT action, UINT, PVOID pvParam, UINT) {
    if (action != SPI_GETWORKAREA || !pvParam) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SIZE screen = screenSize();
    *static_cast<RECT*>(pvParam) = RECT{0, 0, screen.cx, screen.cy};
    return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
    SIZE screen = screenSize();
    switch (index) {
    case SM_CXSCREEN:
        return screen.cx;
    case SM_CYSCREEN:
        return screen.cy;
    default:
        return 0;
    }
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
    if (!lookup(window) || !point)
        return FALSE;
    POINT origin = clientOrigin(window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    if (!lookup(window) || !point)
        return FALSE;
    POINT origin = clientOrigin(window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

HWND WINAPI SetFocus(HWND window) {
    if (window) {
        Window* w = lookup(window);
        if (!w)
            return nullptr;
        for (Window* up = w; up; up = windows().find(up->parent))
            if (up->style & WS_DISABLED)
                return nullptr;
        // Focus on a window of an inactive top-level window activates that one first; its
        // WM_ACTIVATE may move the focus, so the previous focus is read afterwards.
        HWND top = topLevelOf(window);
        if (top != GetActiveWindow()) {
            activate(top, false);
            if (!windows().find(window) || GetActiveWindow() != top)
                return nullptr;
        }
    }
    HWND previous = GetFocus();
    if (previous == window)
        return previous;
    user32.focus = window;
    if (previous)
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window && user32.focus == window && windows().find(window))
        SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    windowsChanged();
    return previous;
}

HWND WINAPI GetFocus(void) {
    if (!windows().find(user32.focus))
        user32.focus = nullptr;
    return user32.focus;
}

HWND WINAPI GetActiveWindow(void) {
    if (!windows().find(user32.active))
        user32.active = nullptr;
    return user32.active;
}

HWND WINAPI SetActiveWindow(HWND window) {
    HWND previous = GetActiveWindow();
    if (window && !lookup(window))
        return nullptr;
    activate(window ? topLevelOf(window) : nullptr, true);
    return previous;
}

BOOL WINAPI EnumThreadWindows(DWORD, WNDENUMPROC callback, LPARAM lParam) {
    if (!callback)
        return FALSE;
    // The windows as they are now (the callback may make or destroy some), newest first, as
    // the Z order puts the last shown window on top.
    HWND few[16];
    std::vector<HWND> many;
    size_t count = windows().topLevel(few, std::size(few));
    HWND* list = few;
    if (count > std::size(few)) {
        many = windows().topLevel();
        list = many.data();
    }
    for (size_t i = count; i-- > 0;)
        if (windows().find(list[i]) && !callback(list[i], lParam))
            return FALSE;
    return TRUE;
}

BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM lParam) {
    if (!callback || !lookup(parent))
        return FALSE;
    return enumChildren(parent, callback, lParam) ? TRUE : FALSE;
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    // The system icons have fixed handles of their own, one per icon id.
    if (instance || !IS_INTRESOURCE(name))
        return nullptr;
    auto id = reinterpret_cast<uintptr_t>(name);
    auto first = reinterpret_cast<uintptr_t>(IDI_APPLICATION);
    if (id < first || id > reinterpret_cast<uintptr_t>(IDI_ASTERISK))
        return nullptr;
    constexpr uintptr_t kFirstIconHandle = 0x20000u;
    return reinterpret_cast<HICON>(kFirstIconHandle + (id - first) * 4);
}
}

extern "C" BOOL WINAPI IsChild(HWND parent, HWND window) {
    return isDescendant(parent, window) ? TRUE : FALSE;
}

#include "platform/portable/user32/windowing/window_system.h"

#include "platform/portable/user32/windowing/message_queue.h"
#include "platform/portable/portable.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace portable {

namespace {
const WindowClass* findClass(const char* name) {
    size_t length = std::strlen(name);
    for (const WindowClass& c : user32.classes)
        if (c.name.size() == length && strcasecmp(c.name.c_str(), name) == 0)
            return &c;
    return nullptr;
}

void unlinkFromParent(Window& window) {
    if (Window* parent = windows().find(window.parent)) {
        auto& list = parent->children;
        auto at = std::find(list.begin(), list.end(), window.handle);
        if (at != list.end()) {
            parent->childIds.erase(parent->childIds.begin() + (at - list.begin()));
            list.erase(at);
        }
    }
}
} // namespace

void registerWindowClass(const std::string& name, WNDPROC proc, ControlFactory factory) {
    if (findClass(name.c_str()))
        return;
    user32.classes.push_back(WindowClass{name, proc, std::move(factory)});
}

HWND createWindow(const CreateParams& params) {
    const WindowClass* windowClass = findClass(params.className);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    bool child = (params.style & WS_CHILD) != 0;
    Window* parent = windows().find(params.parent);
    if (child && !parent) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    auto window = std::make_unique<Window>();
    window->className = windowClass->name;
    window->text = params.text;
    window->style = params.style;
    window->exStyle = params.exStyle;
    window->rect = params.rect;
    window->id = child ? params.id : 0;
    window->instance = params.instance;
    window->proc = windowClass->proc;
    window->control = windowClass->factory ? windowClass->factory() : nullptr;
    if (child)
        window->parent = params.parent;
    else if (parent)
        window->owner = params.parent;
    HWND handle = windows().add(std::move(window));
    if (!handle)
        return nullptr;
    if (child) {
        parent->children.push_back(handle);
        parent->childIds.push_back(params.id);
    }

    CREATESTRUCTA create{};
    create.lpCreateParams = params.param;
    create.hInstance = params.instance;
    create.hwndParent = params.parent;
    create.x = int(params.rect.left);
    create.y = int(params.rect.top);
    create.cx = int(params.rect.right - params.rect.left);
    create.cy = int(params.rect.bottom - params.rect.top);
    create.style = LONG(params.style);
    create.lpszName = params.text;
    create.lpszClass = params.className;
    create.dwExStyle = params.exStyle;
    if (callWindowProc(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        destroyWindow(handle);
        return nullptr;
    }
    windowsChanged();
    return handle;
}

void destroyWindow(HWND handle) {
    DepthGuard guard;
    Window* window = windows().find(handle);
    if (!window)
        return;
    if (GetFocus() && (GetFocus() == handle || isDescendant(handle, GetFocus())))
        SetFocus(nullptr);
    callWindowProc(handle, WM_DESTROY, 0, 0);
    // Owned top-level windows and children go with their window.
    if (windows().owns(handle))
        for (HWND other : windows().topLevel())
            if (Window* owned = windows().find(other); owned && owned->owner == handle)
                destroyWindow(other);
    if (!(window = windows().find(handle)))
        return;
    std::vector<HWND> children = window->children;
    for (HWND child : children)
        destroyWindow(child);
    if (!(window = windows().find(handle)))
        return;
    callWindowProc(handle, WM_NCDESTROY, 0, 0);
    forgetWindowTimers(handle);
    if (!(window = windows().find(handle)))
        return;
    unlinkFromParent(*window);
    windows().remove(handle);
    windowsChanged();
}

int copyText(std::string_view text, LPSTR buffer, int maxCount) {
    if (!buffer || maxCount <= 0)
        return 0;
    size_t count = std::min(text.size(), size_t(maxCount - 1));
    if (count > 0) // an empty view may have no data at all
        std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return int(count);
}

void sendHelp(const Window& window) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = window.id;
    info.hItemHandle = window.handle;
    SendMessageA(window.handle, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT defaultWindowProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        window.text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
        windowsChanged();
        return TRUE;
    case WM_GETTEXT:
        return copyText(window.text, reinterpret_cast<LPSTR>(lParam), int(wParam));
    case WM_GETTEXTLENGTH:
        return LRESULT(window.text.size());
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessageA(window.handle, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window.handle);
        return 0;
    case WM_KEYF1:
        // Posted by the keyboard's F1 when its key-down is taken from the queue.
        sendHelp(window);
        return 0;
    case WM_HELP:
        // Help not handled by a control goes to its parent, up to the dialog.
        if (window.isChild())
            return SendMessageA(window.parent, WM_HELP, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

LRESULT CALLBACK controlWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = windows().find(handle);
    return window ? controlProc(*window, message, wParam, lParam) : 0;
}

void notifyParent(const Window& control, int code) {
    callWindowProc(control.parent, WM_COMMAND, MAKEWPARAM(control.id, code),
                   reinterpret_cast<LPARAM>(control.handle));
}

bool isDescendant(HWND ancestor, HWND handle) {
    Window* window = windows().find(handle);
    while (window && window->parent) {
        if (window->parent == ancestor)
            return true;
        window = windows().find(window->parent);
    }
    return false;
}

HWND topLevelOf(HWND handle) {
    Window* window = windows().find(handle);
    while (window && window->parent)
        window = windows().find(window->parent);
    return window ? window->handle : nullptr;
}

bool isShownAndEnabled(HWND handle) {
    for (Window* window = windows().find(handle); window; window = windows().find(window->parent)) {
        if (!(window->style & WS_VISIBLE) || (window->style & WS_DISABLED))
            return false;
    }
    return windows().find(handle) != nullptr;
}

POINT clientOrigin(HWND handle) {
    POINT origin{0, 0};
    for (Window* window = windows().find(handle); window; window = windows().find(window->parent)) {
        origin.x += window->rect.left;
        origin.y += window->rect.top + window->captionHeight();
    }
    return origin;
}

} // namespace portable

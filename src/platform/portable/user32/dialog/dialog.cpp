#include "platform/portable/user32/dialog/dialog.h"

#include "platform/portable/user32/windowing/window_system.h"

namespace portable {

namespace {
// The dialog procedure's own return value is the answer for these; for the rest the answer
// is in DWLP_MSGRESULT.
bool returnsDirectly(UINT message) {
    return message == WM_INITDIALOG ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
           message == WM_QUERYDRAGICON;
}

HWND childOfDialog(HWND dialog, HWND handle) {
    Window* window = windows().find(handle);
    while (window && window->parent && window->parent != dialog)
        window = windows().find(window->parent);
    return (window && window->parent == dialog) ? window->handle : nullptr;
}

DWORD styleOf(HWND handle) {
    Window* window = windows().find(handle);
    return window ? window->style : 0;
}

bool isUsable(HWND handle) {
    return (styleOf(handle) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

// The indices of the group around list[at]: from the nearest WS_GROUP control at or before it,
// going back round the end of the list, up to the next WS_GROUP control; with no WS_GROUP at
// all, the whole list.
std::vector<size_t> groupAround(const std::vector<HWND>& list, size_t at) {
    const size_t n = list.size();
    size_t start = at;
    for (size_t back = 0; back < n; ++back)
        if (styleOf(list[(at + n - back) % n]) & WS_GROUP) {
            start = (at + n - back) % n;
            break;
        }
    std::vector<size_t> group{start};
    for (size_t i = (start + 1) % n; i != start && !(styleOf(list[i]) & WS_GROUP); i = (i + 1) % n)
        group.push_back(i);
    return group;
}

bool isPushButton(HWND handle) {
    LRESULT code = SendMessageA(handle, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void setButtonStyle(HWND button, DWORD type) {
    if (button && isPushButton(button))
        SendMessageA(button, BM_SETSTYLE, type, TRUE);
}
} // namespace

Dialog* dialogOf(HWND handle) {
    Window* window = windows().find(handle);
    return window && window->control ? window->control->asDialog() : nullptr;
}

HWND nextTabItem(HWND dialog, HWND from, bool previous) {
    Window* window = windows().find(dialog);
    if (!window)
        return nullptr;
    const std::vector<HWND>& list = window->children;
    int n = int(list.size());
    HWND current = childOfDialog(dialog, from);
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (list[size_t(i)] == current)
            at = i;
    for (int step = 1; step <= n; ++step) {
        int index = at < 0 ? (previous ? n - step : step - 1)
                           : ((at + (previous ? -step : step)) % n + n) % n;
        Window* candidate = windows().find(list[size_t(index)]);
        if (candidate && (candidate->style & WS_TABSTOP) && (candidate->style & WS_VISIBLE) &&
            !(candidate->style & WS_DISABLED))
            return candidate->handle;
    }
    return nullptr;
}

HWND nextGroupItem(HWND dialog, HWND from, bool previous) {
    Window* window = windows().find(dialog);
    if (!window || window->children.empty())
        return nullptr;
    const std::vector<HWND>& list = window->children;
    HWND current = childOfDialog(dialog, from);
    size_t at = 0;
    while (at < list.size() && list[at] != current)
        ++at;
    if (at == list.size()) {
        // From the dialog itself: forward from its first control, backward nothing.
        if (previous)
            return nullptr;
        at = 0;
        if (isUsable(list[0]))
            return list[0];
    }
    const std::vector<size_t> group = groupAround(list, at);
    const size_t m = group.size();
    size_t self = 0;
    while (self < m && group[self] != at)
        ++self;
    for (size_t step = 1; step < m; ++step) {
        size_t index = group[previous ? (self + m - step) % m : (self + step) % m];
        if (isUsable(list[index]))
            return list[index];
    }
    return list[at];
}

void focusControl(HWND dialog, HWND control) {
    Dialog* state = dialogOf(dialog);
    if (!state || !control)
        return;
    LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
    HWND defaultButton = GetDlgItem(dialog, state->defaultId);
    // The default look follows the focus among push buttons and returns to the dialog's
    // default button when the focus leaves them.
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (child != control && (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
                setButtonStyle(child, BS_PUSHBUTTON);
        setButtonStyle(control, BS_DEFPUSHBUTTON);
    } else if (defaultButton) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (child != defaultButton &&
                (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
                setButtonStyle(child, BS_PUSHBUTTON);
        setButtonStyle(defaultButton, BS_DEFPUSHBUTTON);
    }
    if (code & DLGC_HASSETSEL)
        SendMessageA(control, EM_SETSEL, 0, -1);
    SetFocus(control);
}

LRESULT Dialog::handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND self = window.handle;
    if (window.extra.size() < 3)
        window.extra.resize(3); // DWLP_MSGRESULT, DWLP_DLGPROC, DWLP_USER
    auto proc = reinterpret_cast<DLGPROC>(window.extra[DWLP_DLGPROC / sizeof(LONG_PTR)]);
    if (proc) {
        window.extra[DWLP_MSGRESULT / sizeof(LONG_PTR)] = 0;
        INT_PTR handled = proc(self, message, wParam, lParam);
        Window* still = windows().find(self);
        if (returnsDirectly(message))
            return handled;
        if (handled)
            return still ? still->extra[DWLP_MSGRESULT / sizeof(LONG_PTR)] : 0;
        if (!still)
            return 0;
    }
    return defaultProc(window, message, wParam, lParam);
}

LRESULT Dialog::defaultProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND self = window.handle;
    switch (message) {
    case WM_CLOSE: {
        // Close is Cancel, unless the Cancel button is there and disabled.
        HWND cancel = GetDlgItem(self, IDCANCEL);
        if (cancel && !IsWindowEnabled(cancel))
            return 0;
        PostMessageA(self, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case DM_GETDEFID:
        // Without a default push button the dialog manager's default id is IDOK.
        return MAKELONG(defaultId ? defaultId : IDOK, DC_HASDEFID);
    case DM_SETDEFID:
        defaultId = int(wParam);
        return TRUE;
    case WM_NEXTDLGCTL:
        nextControl(window, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            saveFocus(self);
        else
            restoreFocus(self, true);
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam)
            saveFocus(self);
        return 0;
    case WM_SETFOCUS:
        restoreFocus(self, false);
        return 0;
    case WM_KILLFOCUS:
        return 0;
    case WM_GETDLGCODE:
        return 0;
    default:
        return defaultWindowProc(window, message, wParam, lParam);
    }
}

void Dialog::saveFocus(HWND self) {
    HWND focus = GetFocus();
    if (focus && isDescendant(self, focus))
        savedFocus = focus;
}

void Dialog::restoreFocus(HWND self, bool justActivated) {
    if (ended)
        return; // the focus does not go back into a dialog that is ending
    HWND target = savedFocus;
    if (!target || !IsWindow(target) || !isDescendant(self, target)) {
        // Activation alone leaves the focus where it is; the focus given to the dialog itself
        // goes on to its first tab stop, or else to the first control it can take.
        if (justActivated)
            return;
        target = nextTabItem(self, nullptr, false);
        if (!target)
            target = nextGroupItem(self, nullptr, false);
        if (!target)
            return;
    }
    savedFocus = nullptr;
    if (!justActivated && (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
        SendMessageA(target, EM_SETSEL, 0, -1);
    SetFocus(target);
}

void Dialog::nextControl(Window& window, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : nextTabItem(window.handle, GetFocus(), wParam != 0);
    if (target && isDescendant(window.handle, target))
        focusControl(window.handle, target);
}

} // namespace portable

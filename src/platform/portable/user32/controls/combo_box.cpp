#include "platform/portable/user32/controls/combo_box.h"

#include "platform/portable/user32/windowing/window_system.h"

#include <algorithm>

namespace portable {

LRESULT ComboBox::handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    int index = int(wParam);
    switch (message) {
    case WM_CREATE:
        return create(window);
    case WM_GETDLGCODE:
        return getDlgCode(lParam);
    case WM_LBUTTONDOWN:
        buttonDown(window, lParam);
        return 0;
    case WM_KEYDOWN:
        keyDown(window, wParam);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_UP)
            showDropDown(window, !dropped_);
        return 0;
    case WM_CHAR:
        select(window, items_.findTyped(char(wParam)));
        return 0;
    case WM_KILLFOCUS:
        showDropDown(window, false);
        return 0;
    case WM_GETTEXT:
        return getText(reinterpret_cast<LPSTR>(lParam), int(wParam));
    case WM_GETTEXTLENGTH:
        return std::max(items_.length(items_.selection()), 0);
    case WM_SETTEXT:
        return CB_ERR; // a drop-down list shows only its items
    case CB_ADDSTRING:
        index = items_.add(lParam ? reinterpret_cast<LPCSTR>(lParam) : "",
                           (window.style & CBS_SORT) != 0);
        windowsChanged();
        return index;
    case CB_INSERTSTRING:
        index = items_.insert(index, lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
        windowsChanged();
        return index < 0 ? CB_ERR : index;
    case CB_DELETESTRING:
        if (!items_.remove(index))
            return CB_ERR;
        windowsChanged();
        return items_.count();
    case CB_RESETCONTENT:
        items_.clear();
        windowsChanged();
        return CB_OKAY;
    case CB_SETCURSEL:
        if (!items_.setSelection(index))
            return CB_ERR;
        windowsChanged();
        return index;
    case CB_GETCURSEL:
        return items_.selection();
    // The list's -1 for no such item is CB_ERR.
    case CB_GETLBTEXT:
        return items_.copy(index, reinterpret_cast<LPSTR>(lParam));
    case CB_GETLBTEXTLEN:
        return items_.length(index);
    case CB_GETCOUNT:
        return items_.count();
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
        return items_.find(index, reinterpret_cast<LPCSTR>(lParam), message == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING:
        return selectString(index, reinterpret_cast<LPCSTR>(lParam));
    case CB_SHOWDROPDOWN:
        showDropDown(window, wParam != 0);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return dropped_ ? TRUE : FALSE;
    case CB_LIMITTEXT:
        return TRUE;
    default:
        return defaultWindowProc(window, message, wParam, lParam);
    }
}

// The template gives the height with the list dropped; the window is the selection field.
LRESULT ComboBox::create(Window& window) {
    listHeight_ = int(window.rect.bottom - window.rect.top) - kFieldHeight;
    window.rect.bottom = window.rect.top + kFieldHeight;
    return 0;
}

LRESULT ComboBox::getDlgCode(LPARAM msg) const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* m = reinterpret_cast<const MSG*>(msg);
    // While the list is down, Enter and Escape close it instead of the dialog.
    if (m && m->message == WM_KEYDOWN && dropped_ &&
        (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT ComboBox::selectString(int start, LPCSTR text) {
    int index = items_.find(start, text, false);
    if (index < 0)
        return CB_ERR;
    items_.setSelection(index);
    windowsChanged();
    return index;
}

LRESULT ComboBox::getText(LPSTR buffer, int maxCount) const {
    int selected = items_.selection();
    return copyText(items_.valid(selected) ? items_.at(selected) : std::string_view(), buffer,
                    maxCount);
}

void ComboBox::select(Window& window, int index) {
    if (!items_.moveSelection(index))
        return;
    windowsChanged();
    notifyParent(window, CBN_SELCHANGE);
}

void ComboBox::showDropDown(Window& window, bool show) {
    if (show == dropped_)
        return;
    dropped_ = show;
    windowsChanged();
    notifyParent(window, show ? CBN_DROPDOWN : CBN_CLOSEUP);
}

// A click on the field opens or closes the list; a click on an item of the open list, which
// lies below the field, chooses it.
void ComboBox::buttonDown(Window& window, LPARAM point) {
    SetFocus(window.handle);
    int y = GET_Y_LPARAM(point);
    if (!dropped_ || y < kFieldHeight) {
        showDropDown(window, !dropped_);
        return;
    }
    int index = (y - kFieldHeight) / kItemHeight;
    HWND self = window.handle;
    showDropDown(window, false);
    if (windows().find(self))
        select(window, index);
}

void ComboBox::keyDown(Window& window, WPARAM key) {
    if (key == VK_F4) {
        showDropDown(window, !dropped_);
        return;
    }
    if (dropped_ && (key == VK_RETURN || key == VK_ESCAPE)) {
        showDropDown(window, false);
        return;
    }
    // No paging: Page Up and Page Down move nothing here.
    int to = items_.navigate(unsigned(key), 0);
    if (to < 0)
        return;
    // A navigation key reports a choice even when it could not move, at either end.
    items_.setSelection(to);
    windowsChanged();
    notifyParent(window, CBN_SELCHANGE);
}

} // namespace portable

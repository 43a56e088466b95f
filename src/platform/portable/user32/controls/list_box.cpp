#include "platform/portable/user32/controls/list_box.h"

#include "platform/portable/user32/windowing/window_system.h"

#include <algorithm>

namespace portable {

LRESULT ListBox::handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    int index = int(wParam);
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        buttonDown(window, lParam);
        return 0;
    case WM_LBUTTONUP:
        buttonUp(window);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (window.style & LBS_NOTIFY)
            notifyParent(window, LBN_DBLCLK);
        return 0;
    case WM_KEYDOWN:
        keyDown(window, wParam);
        return 0;
    case WM_CHAR:
        select(window, items_.findTyped(char(wParam)));
        return 0;
    case LB_ADDSTRING:
        return addString(window, reinterpret_cast<LPCSTR>(lParam));
    case LB_INSERTSTRING:
        return insertString(index, reinterpret_cast<LPCSTR>(lParam));
    case LB_DELETESTRING:
        return deleteString(index);
    case LB_RESETCONTENT:
        items_.clear();
        top_ = 0;
        windowsChanged();
        return 0;
    case LB_SETCURSEL:
        return setCurSel(window, index);
    case LB_GETCURSEL:
        return items_.selection();
    // The list's -1 for no such item is LB_ERR.
    case LB_GETTEXT:
        return items_.copy(index, reinterpret_cast<LPSTR>(lParam));
    case LB_GETTEXTLEN:
        return items_.length(index);
    case LB_GETCOUNT:
        return items_.count();
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return items_.find(index, reinterpret_cast<LPCSTR>(lParam), message == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING:
        return selectString(window, index, reinterpret_cast<LPCSTR>(lParam));
    case LB_GETTOPINDEX:
        return top_;
    case LB_SETTOPINDEX:
        if (index < 0 || (index >= items_.count() && items_.count() > 0))
            return LB_ERR;
        top_ = index;
        windowsChanged();
        return 0;
    case LB_GETITEMHEIGHT:
        return kItemHeight;
    case LB_GETITEMRECT:
        return getItemRect(window, index, reinterpret_cast<LPRECT>(lParam));
    case LB_ITEMFROMPOINT:
        return itemFromPoint(window, lParam);
    default:
        return defaultWindowProc(window, message, wParam, lParam);
    }
}

LRESULT ListBox::addString(const Window& window, LPCSTR text) {
    int index = items_.add(text ? text : "", (window.style & LBS_SORT) != 0);
    windowsChanged();
    return index;
}

LRESULT ListBox::insertString(int index, LPCSTR text) {
    int at = items_.insert(index, text ? text : "");
    if (at < 0)
        return LB_ERR;
    windowsChanged();
    return at;
}

LRESULT ListBox::deleteString(int index) {
    if (!items_.remove(index))
        return LB_ERR;
    top_ = std::max(0, std::min(top_, items_.count() - 1));
    windowsChanged();
    return items_.count();
}

LRESULT ListBox::setCurSel(const Window& window, int index) {
    if (!items_.setSelection(index))
        return LB_ERR;
    scrollIntoView(window);
    windowsChanged();
    return index; // -1 is LB_ERR, as the real control answers
}

LRESULT ListBox::selectString(const Window& window, int start, LPCSTR text) {
    int index = items_.find(start, text, false);
    if (index < 0)
        return LB_ERR;
    setCurSel(window, index);
    return index;
}

int ListBox::pageSize(const Window& window) const {
    RECT client = window.clientRect();
    return std::max(1, int(client.bottom - client.top) / kItemHeight);
}

void ListBox::scrollIntoView(const Window& window) {
    int selected = items_.selection();
    if (selected < 0)
        return;
    int page = pageSize(window);
    if (selected < top_)
        top_ = selected;
    else if (selected >= top_ + page)
        top_ = selected - page + 1;
}

LRESULT ListBox::getItemRect(const Window& window, int index, LPRECT rect) const {
    if (!rect || (index != 0 && !items_.valid(index)))
        return LB_ERR;
    RECT client = window.clientRect();
    LONG y = LONG((index - top_) * kItemHeight);
    *rect = RECT{0, y, client.right, y + kItemHeight};
    return 1;
}

LRESULT ListBox::itemFromPoint(const Window& window, LPARAM point) const {
    int y = GET_Y_LPARAM(point), x = GET_X_LPARAM(point);
    RECT client = window.clientRect();
    bool outside = x < 0 || x >= client.right || y < 0 || y >= client.bottom;
    int index = top_ + (y < 0 ? 0 : y / kItemHeight);
    if (index >= items_.count()) {
        index = std::max(0, items_.count() - 1);
        outside = true;
    }
    return MAKELONG(index, outside ? 1 : 0);
}

void ListBox::select(Window& window, int index) {
    if (!items_.moveSelection(index))
        return;
    scrollIntoView(window);
    windowsChanged();
    if (window.style & LBS_NOTIFY)
        notifyParent(window, LBN_SELCHANGE);
}

void ListBox::buttonDown(Window& window, LPARAM point) {
    SetFocus(window.handle);
    int y = GET_Y_LPARAM(point);
    int index = y < 0 ? -1 : top_ + y / kItemHeight;
    if (!items_.valid(index))
        return;
    captured_ = true;
    // The selection moves at once; the notification waits for the button's release.
    if (items_.moveSelection(index)) {
        scrollIntoView(window);
        windowsChanged();
    }
}

// Releasing the button reports the selection, even when it did not move.
void ListBox::buttonUp(Window& window) {
    if (!captured_)
        return;
    captured_ = false;
    if ((window.style & LBS_NOTIFY) && items_.count() > 0)
        notifyParent(window, LBN_SELCHANGE);
}

void ListBox::keyDown(Window& window, WPARAM key) {
    select(window, items_.navigate(unsigned(key), pageSize(window)));
}

} // namespace portable

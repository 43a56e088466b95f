#include "ListBox.h"

#include "platform/portable/windowing/WindowSystem.h"

#include <algorithm>
#include <cstring>

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
        typeChar(window, char(wParam));
        return 0;
    case LB_ADDSTRING:
        return addString(window, reinterpret_cast<LPCSTR>(lParam));
    case LB_INSERTSTRING:
        return insertString(index, reinterpret_cast<LPCSTR>(lParam));
    case LB_DELETESTRING:
        return deleteString(index);
    case LB_RESETCONTENT:
        items_.clear();
        selected_ = -1;
        top_ = 0;
        windowsChanged();
        return 0;
    case LB_SETCURSEL:
        return setCurSel(window, index);
    case LB_GETCURSEL:
        return selected_;
    case LB_GETTEXT:
        return getText(index, reinterpret_cast<LPSTR>(lParam));
    case LB_GETTEXTLEN:
        return items_.valid(index) ? LRESULT(items_.at(index).size()) : LB_ERR;
    case LB_GETCOUNT:
        return items_.count();
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        if (!lParam)
            return LB_ERR;
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
        return itemHeight;
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
    if (selected_ >= index)
        ++selected_;
    windowsChanged();
    return index;
}

LRESULT ListBox::insertString(int index, LPCSTR text) {
    int at = items_.insert(index, text ? text : "");
    if (at < 0)
        return LB_ERR;
    if (selected_ >= at)
        ++selected_;
    windowsChanged();
    return at;
}

LRESULT ListBox::deleteString(int index) {
    if (!items_.remove(index))
        return LB_ERR;
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    top_ = std::max(0, std::min(top_, items_.count() - 1));
    windowsChanged();
    return items_.count();
}

LRESULT ListBox::setCurSel(const Window& window, int index) {
    if (index < -1 || index >= items_.count())
        return LB_ERR;
    selected_ = index;
    scrollIntoView(window);
    windowsChanged();
    return index; // -1 is LB_ERR, as the real control answers
}

LRESULT ListBox::getText(int index, LPSTR buffer) const {
    if (!items_.valid(index) || !buffer)
        return LB_ERR;
    std::string_view text = items_.at(index);
    std::memcpy(buffer, text.data(), text.size() + 1); // with the NUL that follows it
    return LRESULT(text.size());
}

LRESULT ListBox::selectString(const Window& window, int start, LPCSTR text) {
    if (!text)
        return LB_ERR;
    int index = items_.find(start, text, false);
    if (index < 0)
        return LB_ERR;
    setCurSel(window, index);
    return index;
}

int ListBox::pageSize(const Window& window) const {
    RECT client = window.clientRect();
    return std::max(1, int(client.bottom - client.top) / itemHeight);
}

void ListBox::scrollIntoView(const Window& window) {
    if (selected_ < 0)
        return;
    int page = pageSize(window);
    if (selected_ < top_)
        top_ = selected_;
    else if (selected_ >= top_ + page)
        top_ = selected_ - page + 1;
}

LRESULT ListBox::getItemRect(const Window& window, int index, LPRECT rect) const {
    if (!rect || (index != 0 && !items_.valid(index)))
        return LB_ERR;
    RECT client = window.clientRect();
    LONG y = LONG((index - top_) * itemHeight);
    *rect = RECT{0, y, client.right, y + itemHeight};
    return 1;
}

LRESULT ListBox::itemFromPoint(const Window& window, LPARAM point) const {
    int y = GET_Y_LPARAM(point), x = GET_X_LPARAM(point);
    RECT client = window.clientRect();
    bool outside = x < 0 || x >= client.right || y < 0 || y >= client.bottom;
    int index = top_ + (y < 0 ? 0 : y / itemHeight);
    if (index >= items_.count()) {
        index = std::max(0, items_.count() - 1);
        outside = true;
    }
    return MAKELONG(index, outside ? 1 : 0);
}

void ListBox::select(Window& window, int index) {
    if (index == selected_ || !items_.valid(index))
        return;
    selected_ = index;
    scrollIntoView(window);
    windowsChanged();
    if (window.style & LBS_NOTIFY)
        notifyParent(window, LBN_SELCHANGE);
}

void ListBox::buttonDown(Window& window, LPARAM point) {
    SetFocus(window.handle);
    int y = GET_Y_LPARAM(point);
    int index = y < 0 ? -1 : top_ + y / itemHeight;
    if (!items_.valid(index))
        return;
    captured_ = true;
    // The selection moves at once; the notification waits for the button's release.
    if (index != selected_) {
        selected_ = index;
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
    int last = items_.count() - 1;
    if (last < 0)
        return;
    int from = std::max(selected_, 0);
    int page = pageSize(window);
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        select(window, selected_ < 0 ? 0 : std::max(0, from - 1));
        break;
    case VK_DOWN:
    case VK_RIGHT:
        select(window, selected_ < 0 ? 0 : std::min(last, from + 1));
        break;
    case VK_HOME:
        select(window, 0);
        break;
    case VK_END:
        select(window, last);
        break;
    case VK_PRIOR:
        select(window, std::max(0, from - page + 1));
        break;
    case VK_NEXT:
        select(window, std::min(last, from + page - 1));
        break;
    default:
        break;
    }
}

void ListBox::typeChar(Window& window, char c) {
    if (static_cast<unsigned char>(c) < 0x20)
        return;
    int index = items_.find(selected_, std::string_view(&c, 1), false);
    if (index >= 0)
        select(window, index);
}

} // namespace portable

#include "platform/portable/comctl32/up_down.h"

#include "platform/portable/comctl32/comctl32_state.h"
#include "platform/portable/user32/windowing/window_system.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace portable {

namespace {

LRESULT CALLBACK buddyProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = comctl32.buddies.find(buddy);
    if (it == comctl32.buddies.end())
        return 0;
    BuddySubclass sub = it->second;
    if (message == WM_NCDESTROY)
        comctl32.buddies.erase(buddy);
    Window* upDown = windows().find(sub.upDown);
    if (message == WM_KEYDOWN && upDown && (wParam == VK_UP || wParam == VK_DOWN)) {
        if (auto* control = dynamic_cast<UpDown*>(upDown->control.get())) {
            control->keyPressed(*upDown, wParam);
            return 0;
        }
    }
    return sub.original(buddy, message, wParam, lParam);
}
} // namespace

LRESULT UpDown::handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return create(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_LBUTTONDOWN:
        buttonDown(window, lParam);
        return 0;
    case WM_KEYDOWN:
        if (window.style & UDS_ARROWKEYS)
            keyPressed(window, wParam);
        return 0;
    case UDM_SETRANGE:
        max_ = short(LOWORD(lParam));
        min_ = short(HIWORD(lParam));
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(max_, min_);
    case UDM_SETRANGE32:
        min_ = int(wParam);
        max_ = int(lParam);
        return 0;
    case UDM_GETRANGE32:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = min_;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = max_;
        return 0;
    case UDM_SETPOS:
        return setPos(window, short(LOWORD(lParam)));
    case UDM_SETPOS32:
        return setPos(window, int(lParam));
    case UDM_GETPOS: {
        bool error = false;
        LRESULT pos = getPos(window, &error);
        return MAKELONG(pos, error ? 1 : 0);
    }
    case UDM_GETPOS32: {
        bool error = false;
        LRESULT pos = getPos(window, &error);
        if (lParam)
            *reinterpret_cast<BOOL*>(lParam) = error ? TRUE : FALSE;
        return pos;
    }
    case UDM_SETBUDDY:
        return reinterpret_cast<LRESULT>(setBuddy(window, reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(buddy_);
    case UDM_SETBASE:
        return setBase(window, wParam);
    case UDM_GETBASE:
        return base_;
    default:
        return defaultWindowProc(window, message, wParam, lParam);
    }
}

LRESULT UpDown::create(Window& window, const CREATESTRUCTA* create) {
    notify_ = create ? create->hwndParent : window.parent;
    setBuddyInt_ = (window.style & UDS_SETBUDDYINT) != 0;
    if (window.style & UDS_AUTOBUDDY)
        setBuddy(window, GetWindow(window.handle, GW_HWNDPREV));
    return 0;
}

HWND UpDown::setBuddy(Window& window, HWND buddy) {
    HWND old = buddy_;
    Window* target = windows().find(buddy);
    buddy_ = target ? buddy : nullptr;
    if (target && (window.style & UDS_ARROWKEYS) && !comctl32.buddies.count(buddy)) {
        comctl32.buddies[buddy] = BuddySubclass{window.handle, target->proc};
        target->proc = buddyProc;
    } else if (target && comctl32.buddies.count(buddy)) {
        comctl32.buddies[buddy].upDown = window.handle;
    }
    return old;
}

bool UpDown::inBounds(int value) const {
    return max_ > min_ ? (min_ <= value && value <= max_) : (max_ <= value && value <= min_);
}

int UpDown::clamp(int value) const {
    if (inBounds(value))
        return value;
    bool belowMin = (min_ < max_ && value < min_) || (min_ > max_ && value > min_);
    return belowMin ? min_ : max_;
}

// Reads the position from the buddy's text; false when it is not a number in the range,
// leaving the position as it was.
bool UpDown::readBuddy(const Window&) {
    if (!setBuddyInt_ || !windows().find(buddy_))
        return false;
    char text[20];
    GetWindowTextA(buddy_, text, int(sizeof text));
    char digits[sizeof text];
    char* kept = digits;
    for (const char* c = text; *c; ++c)
        if (*c != ',') // the thousands separator
            *kept++ = *c;
    *kept = '\0';
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(digits, &end, base_);
    if (*end || errno == ERANGE || value < INT32_MIN || value > INT32_MAX || !inBounds(int(value)))
        return false;
    pos_ = int(value);
    return true;
}

void UpDown::writeBuddy(const Window& window) const {
    if (!setBuddyInt_ || !windows().find(buddy_))
        return;
    char text[24];
    if (base_ == 16) {
        std::snprintf(text, sizeof text, "0x%04X", unsigned(pos_));
    } else {
        char plain[16];
        int length = int(std::to_chars(plain, plain + sizeof plain - 1, pos_).ptr - plain);
        plain[length] = '\0';
        if ((window.style & UDS_NOTHOUSANDS) || length <= 3) {
            std::memcpy(text, plain, size_t(length) + 1);
        } else {
            // Thousands are separated from the left, counted on the whole text as the real
            // control does.
            int start = length % 3 == 0 ? 3 : length % 3;
            char* out = std::copy(plain, plain + start, text);
            for (int i = start; i < length; i += 3) {
                *out++ = ',';
                out = std::copy(plain + i, plain + i + 3, out);
            }
            *out = '\0';
        }
    }
    char old[24];
    GetWindowTextA(buddy_, old, int(sizeof old));
    if (strcasecmp(old, text) != 0)
        SetWindowTextA(buddy_, text);
}

LRESULT UpDown::getPos(const Window& window, bool* error) {
    bool read = readBuddy(window);
    int value = pos_;
    if (!inBounds(value)) {
        value = clamp(value);
        read = false;
    }
    *error = !read;
    return value;
}

LRESULT UpDown::setPos(const Window& window, int pos) {
    int previous = clamp(pos_);
    pos_ = clamp(pos);
    writeBuddy(window);
    return previous;
}

LRESULT UpDown::setBase(const Window& window, WPARAM base) {
    if (base != 10 && base != 16)
        return 0;
    int old = base_;
    base_ = int(base);
    if (old != base_)
        writeBuddy(window);
    return old;
}

// The upper half of the control is the up arrow, the lower half the down arrow.
void UpDown::buttonDown(Window& window, LPARAM point) {
    if (!IsWindowEnabled(window.handle) || (buddy_ && !IsWindowEnabled(buddy_)))
        return;
    char buddyClass[16] = "";
    if (buddy_ && GetClassNameA(buddy_, buddyClass, int(sizeof buddyClass)) &&
        strcasecmp(buddyClass, "Edit") == 0)
        SetFocus(buddy_);
    RECT client = window.clientRect();
    int y = GET_Y_LPARAM(point), x = GET_X_LPARAM(point);
    if (x < client.left || x >= client.right || y < client.top || y >= client.bottom)
        return;
    int half = int(client.bottom - client.top) / 2;
    int delta = 0;
    if (y < client.top + half)
        delta = 1;
    else if (y >= client.bottom - half)
        delta = -1;
    if (delta == 0)
        return;
    readBuddy(window);
    doAction(window, delta);
}

void UpDown::keyPressed(Window& window, WPARAM key) {
    if (key != VK_UP && key != VK_DOWN)
        return;
    readBuddy(window);
    doAction(window, key == VK_UP ? 1 : -1);
}

void UpDown::doAction(Window& window, int delta) {
    if (max_ < min_)
        delta = -delta;
    NMUPDOWN info{};
    info.hdr.hwndFrom = window.handle;
    info.hdr.idFrom = UINT_PTR(window.id);
    info.hdr.code = UDN_DELTAPOS;
    info.iPos = pos_;
    info.iDelta = delta;
    HWND self = window.handle;
    if (SendMessageA(notify_, WM_NOTIFY, WPARAM(window.id), reinterpret_cast<LPARAM>(&info)))
        return;
    if (!windows().find(self))
        return;
    // The parent may have changed the step.
    int target = pos_ + info.iDelta;
    int moved = (window.style & UDS_WRAP) && !inBounds(target)
                    ? (target > (max_ > min_ ? max_ : min_) ? (max_ > min_ ? min_ : max_)
                                                            : (max_ > min_ ? max_ : min_))
                    : clamp(target);
    if (moved == pos_)
        return;
    pos_ = moved;
    writeBuddy(window);
}

} // namespace portable

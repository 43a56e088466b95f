#include "person.h"

namespace person {
namespace {

LPARAM pointParam(POINT p) {
    return MAKELPARAM(p.x, p.y);
}

POINT centreOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A key's lParam: repeat count 1 and, for the release, the previous-state and transition bits.
LPARAM keyParam(bool release) {
    return release ? static_cast<LPARAM>(0xC0000001u) : 1;
}

void deliverKey(HWND dialog, HWND target, UINT message, WPARAM virtualKey) {
    MSG msg = {};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = virtualKey;
    msg.lParam = keyParam(message == WM_KEYUP);
    if (!IsDialogMessageA(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

void click(HWND control, POINT at) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(at));
    SendMessageA(control, WM_LBUTTONUP, 0, pointParam(at));
}

void clickCentre(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    click(control, centreOf(r));
}

void clickListItem(HWND listBox, int index) {
    RECT r = {};
    SendMessageA(listBox, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    click(listBox, centreOf(r));
}

void clickUpDown(HWND upDown, bool upper) {
    RECT r;
    GetClientRect(upDown, &r);
    const LONG quarter = (r.bottom - r.top) / 4;
    click(upDown, {(r.left + r.right) / 2, upper ? r.top + quarter : r.bottom - 1 - quarter});
}

void typeChar(HWND edit, char c) {
    SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

void type(HWND edit, const char* text) {
    for (; *text; ++text)
        typeChar(edit, *text);
}

void pressKey(HWND dialog, HWND target, WPARAM virtualKey) {
    deliverKey(dialog, target, WM_KEYDOWN, virtualKey);
    deliverKey(dialog, target, WM_KEYUP, virtualKey);
    pump(dialog);
}

void pump(HWND dialog) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

} // namespace person

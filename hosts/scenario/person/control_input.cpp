#include "control_input.h"

// The message the keyboard's F1 adds after its key-down; not every winuser.h names it.
#ifndef WM_KEYF1
#define WM_KEYF1 0x004D
#endif

namespace scenario {

namespace {

// Scan codes of the keys the driver presses, as a keyboard would report them in lParam.
LPARAM scanCode(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_RETURN:
        return 0x1C;
    case VK_ESCAPE:
        return 0x01;
    case VK_F1:
        return 0x3B;
    case VK_HOME:
        return 0x47 | 0x100; // extended key
    case VK_DOWN:
        return 0x50 | 0x100;
    default:
        return 0;
    }
}

} // namespace

void postClick(HWND control, int x, int y) {
    LPARAM at = MAKELPARAM(x, y);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(control, WM_LBUTTONUP, 0, at);
}

void postClickAtCentre(HWND control) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(control, &client);
    postClick(control, (client.left + client.right) / 2, (client.top + client.bottom) / 2);
}

void postKey(HWND window, WPARAM virtualKey) {
    // Repeat count 1 and the scan code; a release also carries the previous-state and
    // transition bits.
    LPARAM down = 1 | (scanCode(virtualKey) << 16);
    LPARAM up = down | (LPARAM(1) << 30) | static_cast<LPARAM>(0x80000000u);
    PostMessageA(window, WM_KEYDOWN, virtualKey, down);
    // Taking a keyboard's F1 from the queue posts WM_KEYF1, which asks for help; a posted
    // key-down alone does not.
    if (virtualKey == VK_F1)
        PostMessageA(window, WM_KEYF1, 0, 0);
    PostMessageA(window, WM_KEYUP, virtualKey, up);
}

void postChars(HWND window, const std::string& text) {
    for (char c : text) {
        PostMessageA(window, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
}

} // namespace scenario

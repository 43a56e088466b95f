// The window system's internal services: creating and destroying windows, the default window
// procedure, focus, and the registry of window classes. The exported Win32 functions are thin
// wrappers over these.
#pragma once

#include "platform/portable/user32/windowing/window.h"
#include "platform/portable/portable.h"
#include "platform/portable/user32/user32_state.h"

#include <functional>
#include <string>
#include <string_view>

namespace portable {

// Makes windows of this class (compared without case) hold a new control of the factory.
void registerWindowClass(const std::string& name, WNDPROC proc, ControlFactory factory);

struct CreateParams {
    const char* className = ""; // both kept only during createWindow()
    const char* text = "";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};
    HWND parent = nullptr; // the parent of a child, the owner of a top-level window
    int id = 0;
    HINSTANCE instance = nullptr;
    LPVOID param = nullptr;
};

// Creates the window and sends it WM_CREATE; nullptr when the class is unknown or WM_CREATE
// returns -1.
HWND createWindow(const CreateParams& params);
void destroyWindow(HWND handle);

// Sends WM_HELP for the window, as the default window procedure does for WM_KEYF1.
void sendHelp(const Window& window);

// WM_SETTEXT, WM_GETTEXT, WM_CLOSE and the other messages every window understands.
LRESULT defaultWindowProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
// The window procedure of every registered control class: forwards to the control.
LRESULT CALLBACK controlWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
// What controlWindowProc does with the window found.
inline LRESULT controlProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    // F1 asks for help whichever control has the focus.
    if (!window.control || message == WM_KEYF1)
        return defaultWindowProc(window, message, wParam, lParam);
    return window.control->handle(window, message, wParam, lParam);
}

// Copies text into a caller's buffer of maxCount chars, always terminated; returns the copied
// length.
int copyText(std::string_view text, LPSTR buffer, int maxCount);

// Sends WM_COMMAND with a notification code to the parent of a control.
void notifyParent(const Window& control, int code);

// Windows whose owner or parent chain ends at this window, children first.
bool isDescendant(HWND ancestor, HWND handle);
// The end of the parent chain (the window itself when it has no parent); nullptr for no window.
HWND topLevelOf(HWND handle);
// Visible and enabled, up the parent chain.
bool isShownAndEnabled(HWND handle);

// The size of the screen windows are placed on, in pixels: the front end's. All of it is work
// area (there is no task bar).
SIZE screenSize();

// The screen position of a window's client area.
POINT clientOrigin(HWND handle);

// The windows changed: tells the front end.
inline void windowsChanged() {
    if (user32.frontEnd)
        user32.frontEnd->windowsChanged();
}

} // namespace portable

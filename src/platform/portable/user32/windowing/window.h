// Window: the record the window system keeps for one window. Controls and dialogs keep their
// own state in a Control that the window owns.
#pragma once

#include "platform/portable/windows.h"

#include <memory>
#include <string>
#include <vector>

namespace portable {

class Window;
class Dialog;

// The state and behaviour of one window class (a control, a dialog).
class Control {
  public:
    virtual ~Control() = default;
    // Handles one message; the default handling is defaultWindowProc().
    virtual LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The dialog state, when this is the control of a dialog.
    virtual Dialog* asDialog() { return nullptr; }
};

class Window {
  public:
    HWND handle = nullptr;
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;                 // GWL_ID of a child
    HWND parent = nullptr;      // children only
    HWND owner = nullptr;       // top-level windows only
    std::vector<HWND> children; // in creation order: the Z order and the tab order
    std::vector<int> childIds;  // the children's ids, in the same order (for GetDlgItem)
    RECT rect{};                // window rectangle in the parent's client coordinates
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    std::vector<LONG_PTR> extra; // the dialog's DWLP_ slots
    std::unique_ptr<Control> control;

    bool isChild() const { return (style & WS_CHILD) != 0; }
    // Height of the caption above the client area of a top-level window.
    LONG captionHeight() const;
    RECT clientRect() const;
};

} // namespace portable

// User32State: all that user32 keeps for the process, in one place: the windows and their
// classes, the thread's message queue and timers, focus and activation, the front end, the
// clipboard, the modules' dialog resources and the last dialog template read.
#pragma once

#include "platform/portable/portable.h"
#include "platform/portable/user32/dialog/template_reader.h"
#include "platform/portable/user32/windowing/window_table.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace portable {

using ControlFactory = std::function<std::unique_ptr<Control>()>;

struct WindowClass {
    std::string name;
    WNDPROC proc;
    ControlFactory factory;
};

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    DWORD due;
};

struct MessageQueueState {
    std::deque<MSG> posted;
    std::vector<Timer> timers;
    UINT_PTR nextTimerId = 1;
    DWORD skipped = 0; // virtual milliseconds added to the real clock
    bool quitPosted = false;
    int quitCode = 0;
    bool keyDown[256] = {};
};

// The last template of known size read (a resource's), with its bytes: the same dialog made
// again is not read again. Not while a dialog is being made from it, which may make another.
struct LastTemplate {
    std::vector<BYTE> bytes;
    DialogDescription description;
    bool inUse = false;
};

struct User32State {
    WindowTable windows;
    std::vector<WindowClass> classes;
    MessageQueueState queue;
    HWND focus = nullptr;
    HWND active = nullptr;
    FrontEnd* frontEnd = nullptr;
    std::string clipboard; // what WM_CUT, WM_COPY and WM_PASTE share in this process
    std::map<std::pair<HMODULE, WORD>, std::vector<BYTE>> dialogResources;
    LastTemplate lastTemplate;
};

// The one instance, made when the library loads: every path reaches it without a guard.
extern User32State user32;

inline WindowTable& windows() {
    return user32.windows;
}

// Holds off freeing removed windows while a caller keeps a Window& across a message.
class DepthGuard {
  public:
    DepthGuard() { ++windows().depth; }
    ~DepthGuard() {
        --windows().depth;
        windows().release();
    }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

} // namespace portable

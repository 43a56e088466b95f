// WindowTable: the process's windows behind checked handles. A handle carries its slot and the
// slot's generation, so a handle of a destroyed window, or a value that never was a handle,
// finds nothing instead of reaching freed memory.
#pragma once

#include "Window.h"

#include <memory>
#include <vector>

namespace portable {

class WindowTable {
  public:
    HWND add(std::unique_ptr<Window> window);
    // The window of a live handle, or nullptr.
    Window* find(HWND handle) const;
    // Makes the handle stale at once; the memory lives on until release() at depth 0, since the
    // window may still be running one of its own procedures.
    void remove(HWND handle);
    // Frees removed windows once no window procedure is running.
    void release();

    // Nested SendMessage/DispatchMessage calls in progress.
    int depth = 0;

    std::vector<HWND> topLevel() const;
    size_t liveCount() const;
    size_t slotCount() const { return slots_.size(); }

  private:
    struct Slot {
        std::unique_ptr<Window> window;
        WORD generation = 0;
    };
    std::vector<Slot> slots_;
    std::vector<std::unique_ptr<Window>> removed_;
};

// The one window table of this process.
WindowTable& windows();

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

// Calls the window procedure of a live window, keeping removed windows alive meanwhile.
LRESULT callWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace portable

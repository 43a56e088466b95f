// WindowTable: the process's windows behind checked handles. A handle carries its slot and the
// slot's generation, so a handle of a destroyed window, or a value that never was a handle,
// finds nothing instead of reaching freed memory.
#pragma once

#include "platform/portable/user32/windowing/window.h"

#include <memory>
#include <vector>

namespace portable {

class WindowTable {
  public:
    HWND add(std::unique_ptr<Window> window);
    // The window of a live handle, or nullptr. Every message looks its window up, so this is
    // one comparison: a slot keeps the handle it gave out, which only the same value matches;
    // a free slot keeps none.
    Window* find(HWND handle) const {
        size_t index = (reinterpret_cast<uintptr_t>(handle) & 0xFFFF) - 1; // slot 0 wraps round
        if (index >= slots_.size())
            return nullptr;
        const Slot& slot = slots_[index];
        return slot.handle == handle ? slot.window.get() : nullptr;
    }
    // Makes the handle stale at once; the memory lives on until release() at depth 0, since the
    // window may still be running one of its own procedures.
    void remove(HWND handle);
    // Frees removed windows once no window procedure is running.
    void release() {
        if (depth == 0 && !removed_.empty())
            freeRemoved();
    }

    // Nested SendMessage/DispatchMessage calls in progress.
    int depth = 0;

    std::vector<HWND> topLevel() const;
    // The same into a caller's array: how many there are, of which the first `capacity` are
    // stored.
    size_t topLevel(HWND* out, size_t capacity) const;
    // Whether some top-level window has this owner.
    bool owns(HWND owner) const;
    size_t liveCount() const;
    size_t slotCount() const { return slots_.size(); }

  private:
    // Out of line: keeps the message path that calls release() short.
    __attribute__((noinline)) void freeRemoved();

    struct Slot {
        HWND handle = nullptr; // the live window's handle; null while the slot is free
        std::unique_ptr<Window> window;
    };
    std::vector<Slot> slots_;
    std::vector<WORD> generations_; // per slot, the generation of its last handle
    std::vector<std::unique_ptr<Window>> removed_;
};

// Calls the window procedure of a live window, keeping removed windows alive meanwhile.
LRESULT callWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace portable

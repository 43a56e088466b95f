#include "platform/portable/user32/windowing/window_table.h"

#include "platform/portable/user32/windowing/window_system.h"

namespace portable {

namespace {
// Handles look like 0x4GGGIIII: a tag, 12 bits of generation, 16 bits of slot index.
constexpr uintptr_t kTag = 0x40000000u;
constexpr size_t kMaxSlots = 0xFFFF;

HWND encode(size_t index, WORD generation) {
    return reinterpret_cast<HWND>(kTag | (uintptr_t(generation & 0xFFF) << 16) | (index + 1));
}
} // namespace

HWND WindowTable::add(std::unique_ptr<Window> window) {
    size_t index = 0;
    while (index < slots_.size() && slots_[index].window)
        ++index;
    if (index == slots_.size()) {
        if (slots_.size() >= kMaxSlots)
            return nullptr;
        slots_.emplace_back();
        generations_.push_back(0);
    }
    WORD& generation = generations_[index];
    generation = WORD((generation + 1) & 0xFFF);
    if (generation == 0)
        generation = 1;
    HWND handle = encode(index, generation);
    window->handle = handle;
    slots_[index] = Slot{handle, std::move(window)};
    return handle;
}

void WindowTable::remove(HWND handle) {
    if (!find(handle))
        return;
    Slot& slot = slots_[(reinterpret_cast<uintptr_t>(handle) & 0xFFFF) - 1];
    slot.handle = nullptr;
    removed_.push_back(std::move(slot.window));
    release();
}

void WindowTable::freeRemoved() {
    removed_.clear();
}

std::vector<HWND> WindowTable::topLevel() const {
    std::vector<HWND> result;
    for (const Slot& slot : slots_)
        if (slot.window && !slot.window->isChild())
            result.push_back(slot.handle);
    return result;
}

size_t WindowTable::topLevel(HWND* out, size_t capacity) const {
    size_t count = 0;
    for (const Slot& slot : slots_)
        if (slot.window && !slot.window->isChild()) {
            if (count < capacity)
                out[count] = slot.handle;
            ++count;
        }
    return count;
}

bool WindowTable::owns(HWND owner) const {
    for (const Slot& slot : slots_)
        if (slot.window && !slot.window->isChild() && slot.window->owner == owner)
            return true;
    return false;
}

size_t WindowTable::liveCount() const {
    size_t count = 0;
    for (const Slot& slot : slots_)
        count += slot.window ? 1 : 0;
    return count;
}

LRESULT callWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowTable& table = windows();
    Window* window = table.find(handle);
    if (!window || !window->proc) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    ++table.depth;
    LRESULT result;
    // The procedures of the system's classes only look the window up again to reach its
    // control; with the window at hand, the control is called here.
    if (window->proc == controlWindowProc)
        result = controlProc(*window, message, wParam, lParam);
    else if (window->proc == DefDlgProcA)
        result = window->control ? window->control->handle(*window, message, wParam, lParam) : 0;
    else
        result = window->proc(handle, message, wParam, lParam);
    --table.depth;
    table.release();
    return result;
}

} // namespace portable

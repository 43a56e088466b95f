#include "WindowTable.h"

namespace portable {

namespace {
// Handles look like 0x4GGGIIII: a tag, 12 bits of generation, 16 bits of slot index.
constexpr uintptr_t tag = 0x40000000u;
constexpr uintptr_t tagMask = 0xF0000000u;
constexpr size_t maxSlots = 0xFFFF;

HWND encode(size_t index, WORD generation) {
    return reinterpret_cast<HWND>(tag | (uintptr_t(generation & 0xFFF) << 16) | (index + 1));
}
} // namespace

WindowTable& windows() {
    static WindowTable table;
    return table;
}

HWND WindowTable::add(std::unique_ptr<Window> window) {
    size_t index = 0;
    while (index < slots_.size() && slots_[index].window)
        ++index;
    if (index == slots_.size()) {
        if (slots_.size() >= maxSlots)
            return nullptr;
        slots_.emplace_back();
    }
    Slot& slot = slots_[index];
    slot.generation = WORD((slot.generation + 1) & 0xFFF);
    if (slot.generation == 0)
        slot.generation = 1;
    HWND handle = encode(index, slot.generation);
    window->handle = handle;
    slot.window = std::move(window);
    return handle;
}

Window* WindowTable::find(HWND handle) const {
    auto value = reinterpret_cast<uintptr_t>(handle);
    if ((value & ~uintptr_t(0xFFFFFFFFu)) != 0 || (value & tagMask) != tag)
        return nullptr;
    size_t index = (value & 0xFFFF);
    if (index == 0 || index > slots_.size())
        return nullptr;
    const Slot& slot = slots_[index - 1];
    if (!slot.window || ((value >> 16) & 0xFFF) != slot.generation)
        return nullptr;
    return slot.window.get();
}

void WindowTable::remove(HWND handle) {
    if (!find(handle))
        return;
    size_t index = (reinterpret_cast<uintptr_t>(handle) & 0xFFFF) - 1;
    removed_.push_back(std::move(slots_[index].window));
    if (depth == 0)
        release();
}

void WindowTable::release() {
    if (depth == 0)
        removed_.clear();
}

std::vector<HWND> WindowTable::topLevel() const {
    std::vector<HWND> result;
    for (const Slot& slot : slots_)
        if (slot.window && !slot.window->isChild())
            result.push_back(slot.window->handle);
    return result;
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
    LRESULT result = window->proc(handle, message, wParam, lParam);
    --table.depth;
    table.release();
    return result;
}

} // namespace portable

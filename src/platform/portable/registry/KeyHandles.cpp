#include "KeyHandles.h"

namespace portable::registry {

namespace {

// A handle is (generation << 16) | (slot << 2): a multiple of four like a Windows handle, never 0
// (slots start at 1) and always below the predefined keys at 0x80000000.
constexpr size_t kMaxSlots = 0x3FFF;
constexpr unsigned kMaxGeneration = 0x7FFF;

HKEY encode(size_t slot, unsigned generation) {
    return reinterpret_cast<HKEY>(static_cast<uintptr_t>(generation) << 16 | slot << 2);
}

} // namespace

HKEY KeyHandles::open(KeyPath path, REGSAM access) {
    size_t index = 0;
    while (index < slots_.size() && slots_[index].inUse)
        ++index;
    if (index == slots_.size()) {
        if (slots_.size() == kMaxSlots)
            return nullptr;
        slots_.emplace_back();
    }
    Slot& slot = slots_[index];
    slot.generation = slot.generation % kMaxGeneration + 1;
    slot.inUse = true;
    slot.key = OpenKey{std::move(path), access, false};
    return encode(index + 1, slot.generation);
}

OpenKey* KeyHandles::find(HKEY key) {
    auto value = reinterpret_cast<uintptr_t>(key);
    if (value & 3 || value >= 0x80000000u)
        return nullptr;
    size_t index = (value >> 2 & kMaxSlots);
    auto generation = static_cast<unsigned>(value >> 16);
    if (index == 0 || index > slots_.size())
        return nullptr;
    Slot& slot = slots_[index - 1];
    if (!slot.inUse || slot.generation != generation)
        return nullptr;
    return &slot.key;
}

bool KeyHandles::close(HKEY key) {
    if (!find(key))
        return false;
    auto value = reinterpret_cast<uintptr_t>(key);
    slots_[(value >> 2 & kMaxSlots) - 1].inUse = false;
    return true;
}

void KeyHandles::clear() {
    for (Slot& slot : slots_)
        slot.inUse = false;
}

size_t KeyHandles::openCount() const {
    size_t count = 0;
    for (const Slot& slot : slots_)
        count += slot.inUse ? 1 : 0;
    return count;
}

void KeyHandles::markAllClean() {
    for (Slot& slot : slots_)
        slot.key.dirty = false;
}

} // namespace portable::registry

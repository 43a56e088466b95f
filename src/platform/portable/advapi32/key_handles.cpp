#include "platform/portable/advapi32/key_handles.h"

#include <algorithm>

namespace portable::registry {

namespace {

// A handle is (generation << 16) | (slot << 2): a multiple of four like a Windows handle, never 0
// (slots start at 1) and always below the predefined keys at 0x80000000.
constexpr size_t kMaxSlots = 0x3FFF;
constexpr unsigned kMaxGeneration = 0x7FFF;

HKEY encode(size_t slot, unsigned generation) {
    return reinterpret_cast<HKEY>(static_cast<uintptr_t>(generation) << 16 | slot << 2);
}

KeyPath appended(const KeyPath& base, const char* subKey) {
    KeyPath path = base;
    forEachName(subKey, [&](std::string_view name) { path.names.emplace_back(name); });
    return path;
}

} // namespace

size_t KeyHandles::freeSlot() {
    size_t index = 0;
    while (index < slots_.size() && slots_[index].inUse)
        ++index;
    if (index == slots_.size() && slots_.size() < kMaxSlots)
        slots_.emplace_back();
    return index;
}

HKEY KeyHandles::issue(size_t index) {
    Slot& slot = slots_[index];
    slot.generation = slot.generation % kMaxGeneration + 1;
    slot.inUse = true;
    return encode(index + 1, slot.generation);
}

HKEY KeyHandles::open(KeyPath path, REGSAM access) {
    size_t index = freeSlot();
    if (index == slots_.size())
        return nullptr;
    slots_[index].key = OpenKey{std::move(path), access, false};
    return issue(index);
}

HKEY KeyHandles::open(const KeyPath& base, const char* subKey, REGSAM access, RegistryKey* key,
                      unsigned long epoch) {
    // `base` may be the path of a handle in this table, which a new slot moves.
    if (std::all_of(slots_.begin(), slots_.end(), [](const Slot& s) { return s.inUse; }))
        return open(appended(base, subKey), access);
    size_t index = freeSlot();
    // The names go into the strings the slot already has, in one pass.
    KeyPath& path = slots_[index].key.path;
    path.root = base.root;
    size_t count = 0;
    auto put = [&](std::string_view name) {
        if (count < path.names.size())
            path.names[count].assign(name.data(), name.size());
        else
            path.names.emplace_back(name);
        ++count;
    };
    for (const std::string& name : base.names)
        put(name);
    forEachName(subKey, put);
    path.names.resize(count);
    OpenKey& open = slots_[index].key;
    open.access = access;
    open.dirty = false;
    open.key = key;
    open.epoch = epoch;
    return issue(index);
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

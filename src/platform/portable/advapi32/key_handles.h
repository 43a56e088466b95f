// The table of open keys. A handle carries its slot and the slot's generation, so a handle that
// was closed, or that belongs to a store no longer in use, is recognised as stale and refused
// without touching anything it used to stand for.
#pragma once

#include "platform/portable/advapi32/key_path.h"

#include "platform/portable/win32_types.h"

#include <vector>

namespace portable::registry {

class RegistryKey;

struct OpenKey {
    KeyPath path;
    REGSAM access = 0;
    bool dirty = false; // changes made through this handle are not saved yet
    // The key last found at the path, while the store's epoch is still `epoch`.
    RegistryKey* key = nullptr;
    unsigned long epoch = 0;
};

class KeyHandles {
  public:
    // A new handle, or nullptr when the table is full.
    HKEY open(KeyPath path, REGSAM access);
    // A new handle to the key at `base` plus the names of `subKey` (forEachName), found as
    // `key` in the store at `epoch`. A slot used before keeps the memory of its path.
    HKEY open(const KeyPath& base, const char* subKey, REGSAM access, RegistryKey* key,
              unsigned long epoch);
    OpenKey* find(HKEY key);
    bool close(HKEY key);
    // Every handle given out so far becomes stale.
    void clear();
    void markAllClean();
    size_t openCount() const;
    size_t slotCount() const { return slots_.size(); }

  private:
    // The index of a free slot, made when none is; slotCount() when the table is full.
    size_t freeSlot();
    HKEY issue(size_t index);

    struct Slot {
        unsigned generation = 0;
        bool inUse = false;
        OpenKey key;
    };

    std::vector<Slot> slots_;
};

} // namespace portable::registry

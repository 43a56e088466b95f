// The process-wide state behind the Reg* functions: one lock (the functions may be called from
// any thread), the open keys, and the predefined keys with changes not yet saved.
#pragma once

#include "platform/portable/advapi32/key_handles.h"
#include "platform/portable/advapi32/registry_store.h"

#include <array>
#include <mutex>

namespace portable::registry {

struct RegistryState {
    std::mutex mutex;
    KeyHandles handles;
    std::array<bool, kRootCount> rootDirty{};

    RegistryStore& store() { return RegistryStore::instance(); }
    // Saves the pending changes; a save that succeeds, or fails and drops them, leaves no handle
    // with unsaved changes.
    LONG save();
};

RegistryState& registryState();

} // namespace portable::registry

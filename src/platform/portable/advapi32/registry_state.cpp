#include "platform/portable/advapi32/registry_state.h"

#include "platform/portable/win32_registry.h"

namespace portable::registry {

LONG RegistryState::save() {
    LONG status = store().save();
    if (status == ERROR_SUCCESS || !store().hasPendingChanges()) { // saved, or dropped
        handles.markAllClean();
        rootDirty.fill(false);
    }
    return status;
}

RegistryState& registryState() {
    static RegistryState state;
    return state;
}

} // namespace portable::registry

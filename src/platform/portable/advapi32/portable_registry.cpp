// The portable-only registry API of portable_registry.h.
#include "platform/portable/portable_registry.h"

#include "platform/portable/advapi32/registry_state.h"

namespace portable {

using registry::registryState;

bool useRegistryFile(const std::string& path, std::string* error) {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (!state.store().useFile(path, error))
        return false;
    state.handles.clear();
    state.rootDirty.fill(false);
    return true;
}

std::string registryNotice() {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.store().notice();
}

std::string registryReplayNote() {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.store().replayNote();
}

RegistrySaveFailure lastRegistrySaveFailure() {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.store().lastFailure();
}

std::string lastRegistrySaveError() {
    return describeSaveFailure(lastRegistrySaveFailure());
}

std::string lastRegistrySaveNote() {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.store().lastNote();
}

void useMemoryRegistry() {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.store().useMemory();
    state.handles.clear();
    state.rootDirty.fill(false);
}

void setRegistryFaults(const RegistryFaults& faults) {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.store().setFaults(faults);
}

} // namespace portable

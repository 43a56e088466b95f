// The portable-only registry API of portable_registry.h.
#include "platform/portable/portable_registry.h"

#include "platform/portable/advapi32/registry_state.h"

namespace portable {

using registry::registryState;
using registry::RegistryStore;

namespace {

// What the store in use says, read under the registry's lock.
template <typename Read> auto readStore(Read read) {
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    return read(state.store());
}

} // namespace

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
    return readStore([](const RegistryStore& store) { return store.notice(); });
}

std::string registryReplayNote() {
    return readStore([](const RegistryStore& store) { return store.replayNote(); });
}

RegistrySaveFailure lastRegistrySaveFailure() {
    return readStore([](const RegistryStore& store) { return store.lastFailure(); });
}

std::string lastRegistrySaveError() {
    return describeSaveFailure(lastRegistrySaveFailure());
}

std::string lastRegistrySaveNote() {
    return readStore([](const RegistryStore& store) { return store.lastNote(); });
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

#include "platform/portable/kernel32/module_table.h"

#include <algorithm>
#include <dlfcn.h>
#include <link.h>

namespace portable::module {

namespace {
std::string folded(const std::string& name) {
    std::string out = name;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; });
    return out;
}
} // namespace

StandIn* ModuleTable::standInNamed(const char* name) {
    auto found = standIns_.find(folded(name));
    return found == standIns_.end() ? nullptr : found->second.get();
}

StandIn* ModuleTable::standInOf(HMODULE module) {
    for (auto& [key, standIn] : standIns_)
        if (reinterpret_cast<HMODULE>(standIn.get()) == module)
            return standIn.get();
    return nullptr;
}

void ModuleTable::registerStandIn(const std::string& name, StandInLibrary library) {
    auto& slot = standIns_[folded(name)];
    if (!slot)
        slot = std::make_unique<StandIn>();
    *slot = StandIn{name, std::move(library)};
}

void ModuleTable::removeStandIns() {
    standIns_.clear();
}

HMODULE ModuleTable::addReference(void* dlHandle) {
    HMODULE base = baseOfHandle(dlHandle);
    if (!base)
        return nullptr;
    Loaded& entry = loaded_[base];
    entry.dlHandle = dlHandle;
    ++entry.references;
    return base;
}

bool ModuleTable::release(HMODULE module) {
    auto found = loaded_.find(module);
    if (found == loaded_.end())
        return false;
    void* dlHandle = found->second.dlHandle;
    if (--found->second.references == 0)
        loaded_.erase(found);
    dlclose(dlHandle);
    return true;
}

void* ModuleTable::dlHandleOf(HMODULE module) const {
    auto found = loaded_.find(module);
    return found == loaded_.end() ? nullptr : found->second.dlHandle;
}

// The object's dynamic section lies inside it, so dladdr names the object and its base.
HMODULE baseOfHandle(void* dlHandle) {
    struct link_map* map = nullptr;
    if (!dlHandle || dlinfo(dlHandle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return nullptr;
    Dl_info info{};
    if (!dladdr(map->l_ld, &info) || !info.dli_fbase)
        return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

} // namespace portable::module

// The modules this process loaded through LoadLibraryA, by base address, with the dlopen handle
// and reference count behind each; and the stand-in libraries registered by tests.
#pragma once

#include "platform/portable/portable_module.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace portable::module {

struct StandIn {
    std::string name;
    StandInLibrary library;
};

class ModuleTable {
  public:
    std::mutex& mutex() { return mutex_; }

    // The stand-in registered under that name (any case), or nullptr.
    StandIn* standInNamed(const char* name);
    // The stand-in a module handle stands for, or nullptr.
    StandIn* standInOf(HMODULE module);
    void registerStandIn(const std::string& name, StandInLibrary library);
    void removeStandIns();

    // Records one more reference to the object dlopen gave; returns its base address.
    HMODULE addReference(void* dlHandle);
    // Drops one reference (dlclose); false when the module was not loaded through this table.
    bool release(HMODULE module);
    // The dlopen handle of a module loaded through this table, or nullptr.
    void* dlHandleOf(HMODULE module) const;

  private:
    struct Loaded {
        void* dlHandle = nullptr;
        unsigned references = 0;
    };

    std::mutex mutex_;
    std::map<std::string, std::unique_ptr<StandIn>> standIns_; // by folded name
    std::map<HMODULE, Loaded> loaded_;
};

// The base address of the object a dlopen handle stands for, or nullptr.
HMODULE baseOfHandle(void* dlHandle);

} // namespace portable::module

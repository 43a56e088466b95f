#include "dll_module.h"

#include "quorlan.h"

#include <type_traits>

static_assert(std::is_same<TVXConfigEntryPointFunction, scenario::EntryPoint>::value,
              "the scenario driver calls the export as the public header declares it");

DllModule::~DllModule() {
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}

bool DllModule::load(const std::string& name, std::string* error) {
    module_ = LoadLibraryA(name.c_str());
    if (module_ == nullptr) {
        *error = "cannot load " + name + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    FARPROC proc = GetProcAddress(module_, QUORLAN_ENTRY_POINT_NAME);
    if (proc == nullptr) {
        *error = name + " does not export TVXConfigEntryPoint";
        return false;
    }
    // Through the generic function pointer type, which converts to any other.
    entry_ = reinterpret_cast<TVXConfigEntryPointFunction>(reinterpret_cast<void (*)()>(proc));
    return true;
}

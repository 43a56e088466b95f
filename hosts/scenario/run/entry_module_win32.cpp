#include "entry_module.h"

#include "quorlan.h"

#include <type_traits>

namespace scenario {

static_assert(std::is_same<TVXConfigEntryPointFunction, EntryPoint>::value,
              "the scenario driver calls the export as the public header declares it");

EntryModule::~EntryModule() {
    if (handle_ != nullptr) {
        FreeLibrary(static_cast<HMODULE>(handle_));
    }
}

bool EntryModule::load(const std::string& path, std::string* error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    handle_ = module;
    FARPROC proc = GetProcAddress(module, QUORLAN_ENTRY_POINT_NAME);
    if (proc == nullptr) {
        *error = path + " does not export TVXConfigEntryPoint";
        return false;
    }
    // Through the generic function pointer type, which converts to any other.
    entry_ = reinterpret_cast<TVXConfigEntryPointFunction>(reinterpret_cast<void (*)()>(proc));
    return true;
}

std::string EntryModule::defaultPath() {
    return "quorlan.dll";
}

} // namespace scenario

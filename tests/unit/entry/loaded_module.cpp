#include "loaded_module.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

LoadedModule::LoadedModule(const std::string& fileName) {
    char directory[] = "/tmp/quorlan-module-XXXXXX";
    if (mkdtemp(directory) == nullptr)
        return;
    directory_ = directory;
    path_ = directory_ + "/" + fileName;
    std::filesystem::copy_file(QUORLAN_MODULE, path_);
}

LoadedModule::~LoadedModule() {
    unload();
    if (!directory_.empty())
        std::filesystem::remove_all(directory_);
}

bool LoadedModule::load() {
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
        return false;
    void* symbol = dlsym(handle_, "TVXConfigEntryPoint");
    entryPoint_ = reinterpret_cast<EntryPoint>(symbol);
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCSTR>(symbol), &instance_);
    return entryPoint_ != nullptr;
}

void LoadedModule::unload() {
    if (handle_ != nullptr)
        dlclose(handle_);
    handle_ = nullptr;
    entryPoint_ = nullptr;
}

std::string LoadedModule::call(const char* service) const {
    if (entryPoint_ == nullptr)
        return "(not loaded)";
    std::string name(service);
    LPSTR argv[] = {&name[0]};
    LPSTR text = nullptr;
    entryPoint_(1, argv, &text);
    return text != nullptr ? text : "(none)";
}

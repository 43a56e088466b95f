#include "entry_module.h"

#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>
#include <vector>

namespace scenario {

EntryModule::~EntryModule() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

bool EntryModule::load(const std::string& path, std::string* error) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        *error = dlerror();
        return false;
    }
    void* symbol = dlsym(handle_, "TVXConfigEntryPoint");
    if (symbol == nullptr) {
        *error = path + " does not export TVXConfigEntryPoint";
        return false;
    }
    entry_ = reinterpret_cast<EntryPoint>(symbol);
    return true;
}

namespace {

// The folder of the running program, from /proc/self/exe (links resolved).
std::string programFolder() {
    std::vector<char> self(4096, '\0');
    ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string program(self.data(), length > 0 ? static_cast<size_t>(length) : 0);
    size_t slash = program.rfind('/');
    return slash == std::string::npos ? std::string(".") : program.substr(0, slash);
}

} // namespace

std::string EntryModule::defaultPath() {
    const char* fromEnvironment = std::getenv("QUORLAN_MODULE");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    // A build tree keeps the module beside its programs; an installed tree keeps it in its
    // private library folder, named relative to the programs' folder so that the tree runs
    // wherever it is put.
    const std::string folder = programFolder();
    const std::string beside = folder + "/quorlan.so";
    if (access(beside.c_str(), F_OK) == 0) {
        return beside;
    }
    return folder + "/" QUORLAN_MODULE_DIR_FROM_PROGRAM "/quorlan.so";
}

} // namespace scenario

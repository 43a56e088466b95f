// GetVersion, LoadLibraryA, GetProcAddress and the other module functions over shared objects:
// an HMODULE is the base address an object is mapped at, as dladdr reports it.
#include "platform/portable/win32_module.h"
#include "platform/portable/win32_user.h"

#include "platform/portable/kernel32/kernel32_state.h"

#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace portable::module;
using portable::kernel32;

namespace {

// The file of the main program.
std::string programPath() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

// The file of the object mapped at base; false when base is not where an object starts.
bool fileOfBase(HMODULE base, std::string* path) {
    Dl_info info{};
    if (!dladdr(base, &info) || info.dli_fbase != base)
        return false;
    *path = (info.dli_fname && *info.dli_fname) ? info.dli_fname : programPath();
    // The main program may be named as it was started; its base is also the executable's.
    if (base == baseOfHandle(dlopen(nullptr, RTLD_LAZY)))
        *path = programPath();
    return true;
}

FARPROC toProc(void* symbol) {
    FARPROC proc = nullptr;
    static_assert(sizeof proc == sizeof symbol, "function and object pointers differ in size");
    std::memcpy(&proc, &symbol, sizeof proc);
    return proc;
}

// Looks a name up in a module that may not have come from LoadLibraryA (the main program, or a
// module found by GetModuleHandleExA).
void* symbolOf(ModuleTable& table, HMODULE module, const char* name) {
    if (void* handle = table.dlHandleOf(module))
        return dlsym(handle, name);
    std::string path;
    if (!module)
        return dlsym(dlopen(nullptr, RTLD_LAZY), name);
    if (!fileOfBase(module, &path))
        return nullptr;
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        handle = dlopen(nullptr, RTLD_LAZY); // the main program
    void* symbol = dlsym(handle, name);
    dlclose(handle);
    return symbol;
}

HMODULE moduleNamed(ModuleTable& table, const char* name) {
    if (StandIn* standIn = table.standInNamed(name))
        return reinterpret_cast<HMODULE>(standIn);
    void* handle = dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        return nullptr;
    HMODULE base = baseOfHandle(handle);
    dlclose(handle);
    return base;
}

} // namespace

extern "C" {

DWORD WINAPI GetVersion(void) {
    return kernel32.version;
}

HMODULE WINAPI LoadLibraryA(LPCSTR fileName) {
    if (!fileName || !*fileName)
        return nullptr;
    auto& table = kernel32.modules;
    std::lock_guard<std::mutex> lock(table.mutex());
    if (StandIn* standIn = table.standInNamed(fileName)) {
        if (standIn->library.loadCount)
            ++*standIn->library.loadCount;
        return reinterpret_cast<HMODULE>(standIn);
    }
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    HMODULE base = table.addReference(handle);
    if (!base)
        dlclose(handle);
    return base;
}

BOOL WINAPI FreeLibrary(HMODULE module) {
    auto& table = kernel32.modules;
    std::lock_guard<std::mutex> lock(table.mutex());
    if (StandIn* standIn = table.standInOf(module)) {
        if (standIn->library.freeCount)
            ++*standIn->library.freeCount;
        return TRUE;
    }
    return table.release(module) ? TRUE : FALSE;
}

// Shared objects have no ordinals: an ordinal finds something only in a stand-in.
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName) {
    if (!procName)
        return nullptr;
    auto& table = kernel32.modules;
    std::lock_guard<std::mutex> lock(table.mutex());
    if (StandIn* standIn = table.standInOf(module)) {
        const portable::StandInLibrary& library = standIn->library;
        if (IS_INTRESOURCE(procName)) {
            auto found = library.ordinals.find(LOWORD(procName));
            return found == library.ordinals.end() ? nullptr : found->second;
        }
        auto found = library.names.find(procName);
        return found == library.names.end() ? nullptr : found->second;
    }
    if (IS_INTRESOURCE(procName))
        return nullptr;
    return toProc(symbolOf(table, module, procName));
}

// Copies as much of the name as fits; a name cut short still ends with a NUL and the result is
// then the buffer's size, as on Windows since Vista.
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    std::string path;
    {
        auto& table = kernel32.modules;
        std::lock_guard<std::mutex> lock(table.mutex());
        if (!module)
            path = programPath();
        else if (StandIn* standIn = table.standInOf(module))
            path = standIn->name;
        else if (!fileOfBase(module, &path))
            return 0;
    }
    if (!fileName || size == 0)
        return 0;
    if (path.size() < size) {
        std::memcpy(fileName, path.c_str(), path.size() + 1);
        return static_cast<DWORD>(path.size());
    }
    std::memcpy(fileName, path.data(), size - 1);
    fileName[size - 1] = 0;
    return size;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    auto& table = kernel32.modules;
    std::lock_guard<std::mutex> lock(table.mutex());
    if (!moduleName)
        return baseOfHandle(dlopen(nullptr, RTLD_LAZY));
    return moduleNamed(table, moduleName);
}

BOOL WINAPI GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module) {
    if (!module)
        return FALSE;
    *module = nullptr;
    auto& table = kernel32.modules;
    std::lock_guard<std::mutex> lock(table.mutex());
    HMODULE base = nullptr;
    std::string path;
    if (flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) {
        Dl_info info{};
        if (!dladdr(moduleName, &info) || !info.dli_fbase)
            return FALSE;
        base = static_cast<HMODULE>(info.dli_fbase);
    } else {
        base =
            moduleName ? moduleNamed(table, moduleName) : baseOfHandle(dlopen(nullptr, RTLD_LAZY));
        if (!base)
            return FALSE;
    }
    // Without UNCHANGED_REFCOUNT the caller owns a reference, to give back with FreeLibrary.
    bool takeReference =
        !(flags & (GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT | GET_MODULE_HANDLE_EX_FLAG_PIN));
    if (takeReference && !table.standInOf(base) && fileOfBase(base, &path)) {
        if (void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD))
            table.addReference(handle);
    }
    *module = base;
    return TRUE;
}

BOOL WINAPI DisableThreadLibraryCalls(HMODULE) {
    return TRUE;
}

DWORD WINAPI GetFileAttributesA(LPCSTR fileName) {
    struct stat status;
    if (!fileName || stat(fileName, &status) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if (access(fileName, W_OK) != 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL WINAPI WinHelpA(HWND window, LPCSTR helpFile, UINT command, ULONG_PTR data) {
    portable::WinHelpHandler handler;
    {
        std::lock_guard<std::mutex> lock(kernel32.helpMutex);
        handler = kernel32.help;
    }
    return handler ? handler(window, helpFile, command, data) : FALSE;
}

} // extern "C"

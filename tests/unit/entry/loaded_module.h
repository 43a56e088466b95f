// A fresh copy of quorlan.so under a chosen file name, loaded as a host loads it: its start-up
// runs on load and its shut-down on unload. Each copy is a module of its own, so every test
// starts from a module that was never loaded.
#pragma once

#include "platform/win32.h"

#include <string>

class LoadedModule {
  public:
    typedef BOOL(WINAPI* EntryPoint)(DWORD argc, LPSTR* argv, LPSTR* textOut);

    explicit LoadedModule(const std::string& fileName);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    // Loads the copy (runs its start-up); false when it did not load.
    bool load();
    // Unloads it (runs its shut-down).
    void unload();

    // The module's instance handle, as its own code finds it.
    HMODULE instance() const { return instance_; }
    const std::string& path() const { return path_; }
    // Calls TVXConfigEntryPoint with the service name; returns the result word.
    std::string call(const char* service) const;

  private:
    std::string directory_;
    std::string path_;
    void* handle_ = nullptr;
    EntryPoint entryPoint_ = nullptr;
    HMODULE instance_ = nullptr;
};

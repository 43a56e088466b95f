// quorlan.so loaded with dlopen, its entry point resolved by name.
#pragma once

#include "scenario/run/entry_point_call.h"
#include "platform/non_copyable.h"

#include <string>

class SharedObjectModule : NonCopyable {
  public:
    ~SharedObjectModule();

    // False with *error set (dlerror's text) when the module or its export cannot be found.
    bool load(const std::string& path, std::string* error);
    scenario::EntryPoint entryPoint() const { return entry_; }

    // $QUORLAN_MODULE, else quorlan.so in the folder of this program.
    static std::string defaultPath();

  private:
    void* handle_ = nullptr;
    scenario::EntryPoint entry_ = nullptr;
};

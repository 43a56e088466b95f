// The quorlan module loaded as a setup host loads it, and its TVXConfigEntryPoint found by name:
// quorlan.so with dlopen natively, quorlan.dll with LoadLibraryA on Windows.
#pragma once

#include "platform/non_copyable.h"
#include "scenario/run/entry_point_call.h"

#include <string>

namespace scenario {

class EntryModule : NonCopyable {
  public:
    ~EntryModule();

    // False with *error set when the module or its export cannot be found.
    bool load(const std::string& path, std::string* error);
    EntryPoint entryPoint() const { return entry_; }

    // Natively $QUORLAN_MODULE, else quorlan.so in the folder of this program, else in the
    // installed private library folder relative to it; on Windows quorlan.dll, which the loader
    // looks for in the folder of this program first.
    static std::string defaultPath();

  private:
    void* handle_ = nullptr; // the dlopen handle, or the HMODULE
    EntryPoint entry_ = nullptr;
};

} // namespace scenario

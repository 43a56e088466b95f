// quorlan.dll loaded as a setup host loads it: LoadLibraryA, then the export by name.
#pragma once

#include "scenario/run/entry_point_call.h"
#include "platform/non_copyable.h"

#include <string>

class DllModule : NonCopyable {
  public:
    ~DllModule();

    // False with *error set when the module or its export cannot be found.
    bool load(const std::string& name, std::string* error);
    scenario::EntryPoint entryPoint() const { return entry_; }

  private:
    HMODULE module_ = nullptr;
    scenario::EntryPoint entry_ = nullptr;
};

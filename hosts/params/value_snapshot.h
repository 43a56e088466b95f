// Registry values as they were before a change (type and every byte, or their absence), so
// that a change that could not be made whole is taken back.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

namespace quorlan_params {

class ValueSnapshot {
  public:
    // Takes the named values of `key` as they are now. False when one of them cannot be read
    // (it exists but does not come back whole).
    bool take(HKEY key, const std::vector<std::string>& names);
    // Puts the values named in `names` back as they were taken (deleting those that did not
    // exist); true when all of them went back.
    bool restore(HKEY key, const std::vector<std::string>& names) const;

  private:
    struct Value {
        std::string name;
        bool existed;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<Value> values_;
};

} // namespace quorlan_params

// Registry values as they are before a change (type and every byte, or their absence): what a
// change is compared with, so that values already as asked are not written, and what a change
// that could not be made whole is taken back to.
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
    // Whether the value `name` was taken holding exactly this REG_SZ text (its terminator
    // included), or was taken absent when `text` is null.
    bool holdsText(const std::string& name, const char* text) const;
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

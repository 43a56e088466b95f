// A registry key holding text stored as UTF-16, the way Windows keeps every REG_SZ: written with
// RegSetValueExW on Windows; natively into a SYSTEM hive through hivex, the hive then being the
// registry (HKEY_LOCAL_MACHINE\System). Either way the key is read with the A functions.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

struct WideValue {
    const char* name;
    DWORD type;
    std::vector<BYTE> utf16; // stored as given, terminator or odd last byte included
};

class WideTextKey {
  public:
    WideTextKey() = default;
    WideTextKey(const WideTextKey&) = delete;
    WideTextKey& operator=(const WideTextKey&) = delete;
    // Removes the key (natively: the hive, the registry going back to memory).
    ~WideTextKey();

    // Stores the values and opens the key for reading: false when either fails.
    bool open(const std::vector<WideValue>& values);
    HKEY key() const { return key_; }

  private:
    HKEY key_ = nullptr;
    std::string folder_; // natively: the folder of the hive
};

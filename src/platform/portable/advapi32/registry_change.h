// One modification of the registry, kept until it is saved so that it can be applied again onto
// what another process saved meanwhile.
#pragma once

#include "platform/portable/advapi32/key_path.h"

#include "platform/portable/win32_types.h"

#include <string>
#include <vector>

namespace portable::registry {

struct RegistryChange {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };

    Kind kind = Kind::CreateKey;
    KeyPath path;
    std::string valueName;  // SetValue, DeleteValue
    DWORD type = 0;         // SetValue
    std::vector<BYTE> data; // SetValue
};

} // namespace portable::registry

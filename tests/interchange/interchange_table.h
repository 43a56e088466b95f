// The values both sides of the interchange test write and expect: every value type, with the
// names and data a registry file has to escape, split or continue over lines.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

namespace interchange {

// All keys lie below this one under HKEY_CURRENT_USER; it is removed before values are written.
constexpr const char* kRootKey = "Software\\Quorlan Interchange";

struct TableKey {
    std::string path; // below kRootKey; empty for kRootKey itself
};

struct TableValue {
    std::string key; // as in TableKey::path
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
    // False where Wine's registry editor cannot export the value as it is: it writes every
    // REG_DWORD as dword:, reading four bytes whatever the size.
    bool exported = true;
};

// Every key, including those without values, parents before children.
const std::vector<TableKey>& tableKeys();
const std::vector<TableValue>& tableValues();

// kRootKey followed by path, as RegCreateKeyExA takes it.
std::string fullKeyPath(const std::string& path);

} // namespace interchange
